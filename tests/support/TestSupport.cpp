#include "TestSupport.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "config/ConfigFile.h"
#include "drop/AirdropState.h"
#include "drop/Unloading.h"
#include "dialog/ConfigDialog.h"
#include "module/HostHandles.h"
#include "module/Linkage.h"
#include "ui/MainMenu.h"
#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

ScratchRoot::ScratchRoot() {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(sizeof(buffer), buffer);
    previous_ = buffer;
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    static unsigned counter = 0;
    snprintf(buffer, sizeof(buffer), "%skfws-%lu-%u", temp, (unsigned long)GetCurrentProcessId(), ++counter);
    path_ = buffer;
    SimRemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
    CreateDirectoryA((path_ + "\\Modules").c_str(), nullptr);
    SetCurrentDirectoryA(path_.c_str());
}

ScratchRoot::~ScratchRoot() {
    SetCurrentDirectoryA(previous_.c_str());
    SimRemoveTree(path_);
}

std::string ReadWholeFile(const std::string& path) {
    std::string content;
    SimReadFile(path, &content);
    return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
    FlushProfileCache(path);
}

bool FileExists(const std::string& path) {
    return SimIsFile(path);
}

bool DirectoryExists(const std::string& path) {
    return SimIsFolder(path);
}

std::string ConfigPathOf(const std::string& model) {
    char path[kConfigPathSize];
    ConfigFilePath(model.c_str(), path);
    return path;
}

void WriteConfigFile(const std::string& model, const std::string& content) {
    CreateDirectoryA("Modules", nullptr);
    CreateDirectoryA(kMakerFolder, nullptr);
    CreateDirectoryA(kProductFolder, nullptr);
    WriteWholeFile(ConfigPathOf(model), content);
}

void FlushProfileCache(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::vector<double> StationWeights() {
    std::vector<double> weights;
    for (const HostCall& call : SimCallsOf(kCallSetStationWeight)) {
        weights.push_back(call.weight);
    }
    return weights;
}

std::string ModuleDllPath() {
    char buffer[MAX_PATH];
    GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    std::string path = buffer;
    size_t slash = path.find_last_of("\\/");
    return path.substr(0, slash + 1) + "KFWS_Airdrop.dll";
}

std::string Utf8(const std::string& cp1251) {
    return SimCp1251ToUtf8(cp1251);
}

void HostFixture::SetUp() {
    root_ = new ScratchRoot;
    memset(&gAirdropState, 0, sizeof(gAirdropState));
    SimBindServices(ImportTable);
    SimSetPayloadSetterAvailable(true);
    SimSetCentreOfGravity(0.0);
    SimSetStationWeightHook(nullptr);
    aircraft_ = nullptr;
    UseAircraft(DefaultSpec("Trainer 1"));
    SimClearCalls();
}

void HostFixture::TearDown() {
    SimSetStationWeightHook(nullptr);
    SimSetUserAircraft(nullptr);
    if (aircraft_) {
        SimDestroyAircraft(aircraft_);
        aircraft_ = nullptr;
    }
    SimUnbindServices(ImportTable);
    delete root_;
    root_ = nullptr;
}

SimAircraft* HostFixture::UseAircraft(const SimAircraftSpec& spec) {
    SimAircraft* previous = aircraft_;
    aircraft_ = SimCreateAircraft(spec);
    SimSetUserAircraft(aircraft_);
    if (previous) {
        SimDestroyAircraft(previous);
    }
    return aircraft_;
}

SimAircraftSpec HostFixture::DefaultSpec(const std::string& model) {
    SimAircraftSpec spec;
    spec.atcModel = model;
    spec.stations = 4;
    spec.onGround = true;
    spec.parkingBrake = true;
    spec.slots = {{"fx_host_a.fx", 1.0, 2.0, 3.0},
                  {"fx_host_b.fx", 4.0, 5.0, 6.0},
                  {"fx_host_c.fx", 7.0, 8.0, 9.0},
                  {"fx_host_d.fx", 10.0, 11.0, 12.0},
                  {"fx_host_e.fx", 13.0, 14.0, 15.0}};
    return spec;
}

void HostWindowFixture::SetUp() {
    HostFixture::SetUp();
    window_ = SimCreateMainWindow(withMenu_);
    gHostHandles.moduleInstance = GetModuleHandleA(nullptr);
    gHostHandles.mainWindow = window_;
    gHostHandles.previousWindowProc =
        subclass_ ? (WNDPROC)SetWindowLongPtrA(window_, GWLP_WNDPROC, (LONG_PTR)MainWindowProc)
                  : (WNDPROC)GetWindowLongPtrA(window_, GWLP_WNDPROC);
}

void HostWindowFixture::TearDown() {
    DestroyConfigDialog();
    KillTimer(window_, kDropTimerId);
    if (subclass_) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, (LONG_PTR)gHostHandles.previousWindowProc);
    }
    SimDestroyMainWindow();
    memset(&gHostHandles, 0, sizeof(gHostHandles));
    HostFixture::TearDown();
}

void LoadedModuleFixture::SetUp() {
    HostFixture::SetUp();
    window_ = SimCreateMainWindow(true);
    ASSERT_TRUE(SimLoadModule(ModuleDllPath().c_str(), &module_));
    SimPumpMessages(50);
    SimClearWindowKeys();
    SimClearCalls();
}

void LoadedModuleFixture::TearDown() {
    SimUnloadModule(&module_);
    SimDestroyMainWindow();
    HostFixture::TearDown();
}

DWORD TimeBudget(DWORD ms) {
    static DWORD scale = [] {
        char text[16] = "";
        DWORD length = GetEnvironmentVariableA("KFWS_TIME_SCALE", text, sizeof(text));
        long value = length > 0 && length < sizeof(text) ? strtol(text, nullptr, 10) : 1;
        return static_cast<DWORD>(value >= 1 && value <= 100 ? value : 1);
    }();
    return ms * scale;
}

#include "drop/Unloading.h"

#include <limits.h>
#include <stdio.h>

#include "drop/AirdropState.h"
#include "drop/Effects.h"
#include "drop/Loading.h"
#include "module/HostHandles.h"
#include "module/HostServices.h"

static const char kMsgNotLoaded[] = "Командир, давай сначала загрузимся !!!";
static const char kMsgAlreadyWorking[] = "Работает грузовой отсек !!!";
static const char kMsgWorking[] = "Командир, работаем !!!";
static const char kMsgFinished[] = "Командир, работа окончена !!!";
static const char kMsgEmergency[] = " Экстренная разгрузка произведена!!!";
static const char kTickFormat[] = "Количество десантников - %d чел.\n";

// Kills the drop timer: timer 1 of `window`, or, without a window, the window-less timer
// whose identifier the system assigned when the drop started.
static void KillDropTimer(HWND window) {
    if (window) {
        KillTimer(window, kDropTimerId);
    } else if (gAirdropState.dropTimer) {
        KillTimer(NULL, gAirdropState.dropTimer);
    }
    gAirdropState.dropTimer = 0;
}

// True for a tick of the drop timer. A window timer has identifier 1; a window-less one,
// set when there is no host main window, has the identifier that SetTimer returned.
static bool IsDropTimer(HWND window, UINT_PTR timerId) {
    if (window) {
        return timerId == kDropTimerId;
    }
    return !gHostHandles.mainWindow && timerId != 0 && timerId == gAirdropState.dropTimer;
}

// Sets the remaining load from the configuration when the cycle starts: the weight of the
// whole load, as at loading. A variant without a load leaves it as it is (0.0 whenever no
// drop is working), so the first tick ends the cycle.
static void SetRemainingLoad(const AircraftConfig& config) {
    double weight;
    if (!LoadWeight(config, &weight)) {
        return;
    }
    if (config.variant == kVariantParatroopers) {
        gAirdropState.paratroopersLeft = config.number;
    }
    gAirdropState.remainingWeight = weight;
}

void StartUnloading(void) {
    AcquireUserAircraft();
    if (!gAirdropState.loaded) {
        ShowMessage(kMsgNotLoaded);
        return;
    }
    if (gAirdropState.working) {
        ShowMessage(kMsgAlreadyWorking);
        return;
    }
    ShowMessage(kMsgWorking);
    SetRemainingLoad(gAirdropState.config);
    HWND window = gHostHandles.mainWindow;
    UINT_PTR timer = SetTimer(window, kDropTimerId, kDropTimerPeriod, UnloadTick);
    // A window timer keeps the identifier asked for; a window-less one gets its own.
    gAirdropState.dropTimer = (window && timer) ? kDropTimerId : timer;
    gAirdropState.working = 1;
}

// Ends the cycle: the timer goes, the effects stop, the slots go back to the aircraft.
static void EndCycle(HWND window) {
    KillDropTimer(window);
    TriggerEvent(kEventEffectsOff);
    gAirdropState.working = 0;
    gAirdropState.loaded = 0;
    RestoreEffectSlots();
    ShowMessage(kMsgFinished);
}

// Takes one or two paratroopers off and tells the pilot how many are left.
static void StepParatroopers(void) {
    int& left = gAirdropState.paratroopersLeft;
    if (gAirdropState.config.method == kMethodTwoStreams) {
        left = left >= 2 ? left - 2 : 0;
    } else if (left > INT_MIN) {
        left -= 1;
    }
    gAirdropState.remainingWeight = left * kPoundsPerParatrooper;
    snprintf(gAirdropState.tickMessage, sizeof(gAirdropState.tickMessage), kTickFormat, left);
    ShowMessage(gAirdropState.tickMessage);
}

void CALLBACK UnloadTick(HWND window, UINT message, UINT_PTR timerId, DWORD time) {
    (void)message;
    (void)time;
    // Only a working drop takes ticks; a tick left over from an ended drop is ignored.
    if (!IsDropTimer(window, timerId) || !gAirdropState.working) {
        return;
    }
    if (gAirdropState.remainingWeight == 0.0) {
        EndCycle(window);
        return;
    }
    // The configuration is read at every tick: a file read in meanwhile takes effect now.
    const AircraftConfig& config = gAirdropState.config;
    switch (config.variant) {
    case kVariantParatroopers:
        StepParatroopers();
        break;
    case kVariantCargo:
    case kVariantFire:
        gAirdropState.remainingWeight = 0.0; // the whole load leaves at once
        break;
    default:
        break;
    }
    if (gAirdropState.remainingWeight <= 0.0) {
        gAirdropState.remainingWeight = 0.0;
    }
    ApplyPayload(gAirdropState.remainingWeight);
    if (config.visual == 1) {
        // A short pulse; liquid keeps flowing until the end of the cycle stops it.
        TriggerEvent(kEventEffectsOn);
        if (config.variant != kVariantFire) {
            TriggerEvent(kEventEffectsOff);
        }
    }
}

void EmergencyUnload(void) {
    AcquireUserAircraft();
    gAirdropState.working = 0;
    gAirdropState.loaded = 0;
    KillDropTimer(gHostHandles.mainWindow);
    gAirdropState.remainingWeight = 0.0;
    ApplyPayload(0.0);
    RestoreEffectSlots();
    ShowMessage(kMsgEmergency);
}

void ReleaseDropTimer(void) {
    if (gAirdropState.dropTimer) {
        KillDropTimer(gHostHandles.mainWindow);
    }
}

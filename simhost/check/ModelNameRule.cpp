#include "simhost/check/ModelNameRule.h"

#include <string.h>

#include "config/ConfigFile.h"
#include "simhost/check/CheckReport.h"

std::string ModelNameFaultText(SimLanguage language, int fault, size_t length) {
    switch (fault) {
    case kNameTooLong:
        return CheckSay(language, "длиннее 216 символов ({})", "longer than 216 characters ({})",
                        {std::to_string(length)});
    case kNameSeparator:
        return CheckSay(language, "содержит разделитель пути («/», «\\» или «:»)",
                        "holds a path separator ('/', '\\' or ':')");
    case kNameDotDot:
        return CheckSay(language, "это часть пути «..»", "is the '..' path part");
    case kNameDevice:
        return CheckSay(language, "это имя устройства (CON, NUL, COM1…)", "is a device name (CON, NUL, COM1...)");
    default:
        return CheckSay(language, "полный путь к файлу, с папкой симулятора впереди, длиннее 259 символов",
                        "the full path of its file, the simulator folder in front, passes 259 characters");
    }
}

bool ModelConfigPath(const std::string& model, SimLanguage language, std::string* path, std::string* reason) {
    path->clear();
    const char* name = model.c_str(); // the host's C string ends at the first NUL
    if (name[0] == '\0') {
        *reason = CheckSay(language, "у самолёта нет atc_model", "the aircraft has no atc_model");
        return false;
    }
    int fault = CheckModelName(name);
    char formed[kConfigPathSize];
    if (fault != kNameUsable || !ConfigFilePath(name, formed) || !IsReachableConfigPath(formed)) {
        *reason = CheckSay(language, "atc_model не может быть именем файла конфигурации: {}",
                           "the atc_model cannot name a configuration file: {}",
                           {ModelNameFaultText(language, fault, strlen(name))});
        return false;
    }
    *path = formed;
    return true;
}

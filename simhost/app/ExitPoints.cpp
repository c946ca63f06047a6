// The exit points of the current aircraft as the module will use them.
#include "simhost/app/ExitPoints.h"

#include <windows.h>

#include <ctype.h>

namespace {

int ReadValue(const std::string& path, const char* key) {
    char value[256] = "";
    GetPrivateProfileStringA("General", key, "", value, sizeof(value), path.c_str());
    return (int)ExitPointsParseValue(value);
}

} // namespace

long ExitPointsParseValue(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        i++;
    }
    long long value = 0;
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < text.size() && isdigit((unsigned char)text[i]); i++) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    return (long)(negative ? -value : value);
}

std::vector<ExitPoint> ExitPointsRead(const std::string& path) {
    std::vector<ExitPoint> points;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return points;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // what is on disk now
    int variant = ReadValue(path, "KFWS_Airdrop_variant");
    int method = ReadValue(path, "KFWS_Airdrop_metod");
    int type = ReadValue(path, "KFWS_Airdrop_type");
    double sx = ReadValue(path, "KFWS_Airdrop_left_x"), sy = ReadValue(path, "KFWS_Airdrop_left_y"),
           sz = ReadValue(path, "KFWS_Airdrop_left_z");
    double rx = ReadValue(path, "KFWS_Airdrop_down_x"), ry = ReadValue(path, "KFWS_Airdrop_down_y"),
           rz = ReadValue(path, "KFWS_Airdrop_down_z");
    // Which points get an effect: cargo and liquid the rear point; paratroopers by method
    // and exit type (two streams through one exit use that exit and its mirror).
    bool paratroopers = variant == 1;
    bool rear = variant == 2 || variant == 3 || (paratroopers && (type == 1 || (method == 2 && type == 3)) &&
                                                 (method == 1 || method == 2));
    bool side = paratroopers && (type == 2 || (method == 2 && type == 3)) && (method == 1 || method == 2);
    bool mirrors = paratroopers && method == 2 && type != 3;
    points.push_back({"S", sx, sy, sz, side});
    points.push_back({"S'", -sx, sy, sz, side && mirrors});
    points.push_back({"R", rx, ry, rz, rear});
    points.push_back({"R'", -rx, ry, rz, rear && mirrors});
    return points;
}

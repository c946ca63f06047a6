// The window's one door to the readiness check.
#include "simhost/app/window/CheckAdapter.h"

#include "simhost/check/CheckCommand.h"
#include "simhost/lib/SimTexts.h"

namespace {

CheckFixKind FixFor(const std::string& code) {
    if (code == "no-config-file") {
        return kFixOpenConfigurator;
    }
    if (code == "exit-point-outside") {
        return kFixMoveInside;
    }
    if (code == "no-effect-slots" || code == "too-few-effect-slots") {
        return kFixPrepare;
    }
    return kFixNone;
}

} // namespace

WindowCheck WindowCheckRun(const std::string& cfgPath, int fltsim, const std::string& rootFolder) {
    WindowCheck result;
    CheckOptions options;
    options.path = cfgPath;
    options.root = rootFolder;
    options.language = SimCurrentLanguage();
    CheckReport report;
    if (!RunCheck(options, &report, &result.error)) {
        return result;
    }
    for (const CheckRow& row : report.rows) {
        if (row.fltsim != fltsim) {
            continue;
        }
        result.ran = true;
        result.ready = row.Ready();
        for (const CheckFinding& finding : row.findings) {
            result.findings.push_back({finding.severity, finding.code, finding.text, FixFor(finding.code)});
        }
    }
    if (!result.ran && result.error.empty()) {
        result.error = cfgPath + " [fltsim." + std::to_string(fltsim) + "]";
    }
    return result;
}

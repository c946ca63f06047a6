// The readiness check's rule about the order of a smoke line's positions: this simulator
// reads smoke.N = vert, lon, lat, its 2006 successor lon, lat, vert. A line that lies at an
// engine only when read the successor's way was most likely written for it (or converted
// from one of its files), and its emitter is drawn elsewhere; the finding gives the line
// rewritten in this simulator's order.
#include "simhost/check/CheckRules.h"
#include "simhost/lib/SimText.h"

namespace {

// Lines named one by one; a file with more says how many more.
const size_t kLinesNamed = 4;

std::string Fields(double a, double b, double c) {
    return CheckNumber(a) + ", " + CheckNumber(b) + ", " + CheckNumber(c);
}

} // namespace

void CheckSmokeOrder(const CheckSubject& subject, CheckRow* row) {
    const AircraftCfg& cfg = *subject.cfg;
    const SimLanguage language = subject.context->language;
    size_t found = 0;
    for (size_t k = 0; k < cfg.smokes.size(); k++) {
        const CfgSmoke& smoke = cfg.smokes[k];
        int engine = CfgSuccessorOrderEngine(cfg, smoke);
        if (engine < 0) {
            continue;
        }
        if (++found > kLinesNamed) {
            continue;
        }
        // As written: vert, lon, lat by this simulator's reading. Meant: lon, lat, vert,
        // which this simulator wants as vert, lon, lat.
        std::string name = SimCp1251ToUtf8(smoke.effect);
        std::string written = Fields(smoke.vert, smoke.lon, smoke.lat) + (name.empty() ? "" : ", " + name);
        std::string rewritten = Fields(smoke.lat, smoke.vert, smoke.lon) + (name.empty() ? "" : ", " + name);
        std::string n = std::to_string(k);
        AddFinding(row, "warning", "successor-order",
                   CheckSay(language,
                            "smoke.{}={} совпадает с двигателем engine.{} только при чтении «lon, lat, vert»: строка, "
                            "скорее всего, написана для симулятора-преемника (2006). Этот симулятор читает «vert, "
                            "lon, lat» и ставит излучатель не туда",
                            "smoke.{}={} lies at engine.{} only when read 'lon, lat, vert': the line was most likely "
                            "written for the 2006 successor. This simulator reads 'vert, lon, lat' and puts the "
                            "emitter elsewhere",
                            {n, written, std::to_string(engine)}),
                   CheckSay(language, "перепишите строку: smoke.{}={}", "rewrite the line: smoke.{}={}",
                            {n, rewritten}));
    }
    if (found > kLinesNamed) {
        AddFinding(row, "warning", "successor-order",
                   CheckSay(language, "ещё строк smoke.N в порядке преемника: {}",
                            "{} more smoke.N lines in the successor's order", {std::to_string(found - kLinesNamed)}),
                   CheckSay(language, "перепишите их так же", "rewrite them the same way"));
    }
}

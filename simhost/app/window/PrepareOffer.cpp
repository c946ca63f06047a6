// Preparing the user aircraft from the window.
#include "simhost/app/window/PrepareOffer.h"

#include "simhost/app/window/ViewPaint.h"
#include "simhost/lib/SimText.h"
#include "simhost/lib/SimTexts.h"
#include "simhost/prepare/Prepare.h"
#include "simhost/prepare/PrepareCommand.h"

std::wstring PrepareQuestion(const std::string& cfgPath) {
    return ViewSay(kTextViewPrepareQuestion, {SimCp1251ToWide(cfgPath), SimCp1251ToWide(PrepareBackupPath(cfgPath))});
}

bool PrepareOffer(HWND owner, const std::string& cfgPath) {
    std::wstring caption = ViewSay(kTextViewPrepareCaption);
    if (MessageBoxW(owner, PrepareQuestion(cfgPath).c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    PrepareResult result = PrepareAircraftCfg(cfgPath, 0);
    bool done = PrepareSucceeded(result.outcome);
    std::wstring said = SimWideFromUtf8(PrepareResultText(result, SimCurrentLanguage()));
    MessageBoxW(owner, said.c_str(), caption.c_str(), MB_OK | (done ? MB_ICONINFORMATION : MB_ICONWARNING));
    return result.outcome == kPrepareAdded;
}

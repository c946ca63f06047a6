// Random click sequences on the real dialog, compared step by step with a small model of
// its rules: the auto radio groups, the variant, method and exit-type rows, the enabled
// coordinate fields and the button's "edited" state.
#include <windows.h>

#include <string.h>

#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "TestSupport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"
#include "resource.h"

namespace {

const char kParatroopersLabel[] = "Количество парашутистов (чел.)";
const char kCargoLabel[] = "Вес груза в кг.";
const char kFireLabel[] = "Объем жидкости в литрах.";
const char kSave[] = "Сохранить";

const int kFirstId = 1000;
const int kIdCount = 30;

// What the pilot sees of the rules.
struct DialogView {
    bool checked[kIdCount];
    bool enabled[kIdCount];
    bool saveEnabled;
    std::string caption;
    std::string label;

    bool& Checked(int id) { return checked[id - kFirstId]; }
    bool& Enabled(int id) { return enabled[id - kFirstId]; }
    void EnableRange(int first, int last, bool on) {
        for (int id = first; id <= last; id++) Enabled(id) = on;
    }
    void MarkEdited() {
        caption = kSave;
        saveEnabled = true;
    }

    static DialogView Of(HWND dialog) {
        DialogView view = {};
        for (int id : kDialogInputs) {
            view.Checked(id) = ::Checked(dialog, id);
            view.Enabled(id) = ::Enabled(dialog, id);
        }
        view.saveEnabled = ::Enabled(dialog, IDC_SAVE);
        view.caption = TextOf(dialog, IDC_SAVE);
        view.label = TextOf(dialog, IDC_NUMBER_LABEL);
        return view;
    }

    std::string Differences(DialogView& real) {
        std::ostringstream out;
        for (int id : kDialogInputs) {
            bool button = id < IDC_SIDE_X || id > IDC_NUMBER;
            if (button && Checked(id) != real.Checked(id)) {
                out << " checked(" << id << ") model " << Checked(id) << " real " << real.Checked(id) << ";";
            }
            if (Enabled(id) != real.Enabled(id)) {
                out << " enabled(" << id << ") model " << Enabled(id) << " real " << real.Enabled(id) << ";";
            }
        }
        if (saveEnabled != real.saveEnabled) out << " button enabled: model " << saveEnabled << ";";
        if (caption != real.caption) out << " caption: model " << Utf8(caption) << " real " << Utf8(real.caption) << ";";
        if (label != real.label) out << " label: model " << Utf8(label) << " real " << Utf8(real.label) << ";";
        return out.str();
    }
};

// The rules, written as the pilot would describe them.
void ModelClick(DialogView& m, int id) {
    const int variants[] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE};
    const int methods[] = {IDC_METHOD_ONE, IDC_METHOD_TWO};
    bool isVariant = id >= IDC_VARIANT_PARATROOPERS && id <= IDC_VARIANT_FIRE;
    bool isMethod = id == IDC_METHOD_ONE || id == IDC_METHOD_TWO;
    if (isVariant) {
        for (int v : variants) m.Checked(v) = v == id;
    } else if (isMethod) {
        for (int v : methods) m.Checked(v) = v == id;
    } else {
        m.Checked(id) = !m.Checked(id);
    }

    auto rearOnly = [&m]() {
        m.Checked(IDC_TYPE_SIDE) = false;
        m.Checked(IDC_TYPE_REAR) = true;
        m.EnableRange(IDC_SIDE_X, IDC_SIDE_Z, false);
        m.EnableRange(IDC_REAR_X, IDC_REAR_Z, true);
    };
    auto sideOnly = [&m]() {
        m.Checked(IDC_TYPE_SIDE) = true;
        m.Checked(IDC_TYPE_REAR) = false;
        m.EnableRange(IDC_SIDE_X, IDC_SIDE_Z, true);
        m.EnableRange(IDC_REAR_X, IDC_REAR_Z, false);
    };

    switch (id) {
    case IDC_VARIANT_PARATROOPERS:
        m.label = kParatroopersLabel;
        m.EnableRange(IDC_TYPE_SIDE, IDC_METHOD_TWO, true); // side, rear, one, two
        m.MarkEdited();
        break;
    case IDC_VARIANT_CARGO:
    case IDC_VARIANT_FIRE:
        m.label = id == IDC_VARIANT_CARGO ? kCargoLabel : kFireLabel;
        rearOnly();
        m.Checked(IDC_METHOD_ONE) = true;
        m.Checked(IDC_METHOD_TWO) = false;
        m.EnableRange(IDC_TYPE_SIDE, IDC_METHOD_TWO, false);
        m.MarkEdited();
        break;
    case IDC_METHOD_ONE:
        rearOnly();
        m.MarkEdited();
        break;
    case IDC_TYPE_SIDE:
    case IDC_TYPE_REAR: {
        bool side = m.Checked(IDC_TYPE_SIDE);
        bool rear = m.Checked(IDC_TYPE_REAR);
        if (m.Checked(IDC_METHOD_ONE)) {
            // Exactly one exit stays checked; from one checked box a click moves the mark.
            bool other = id == IDC_TYPE_SIDE ? rear : side;
            if ((id == IDC_TYPE_SIDE) == other) {
                sideOnly();
            } else {
                rearOnly();
            }
        } else if (id == IDC_TYPE_SIDE) {
            m.EnableRange(IDC_SIDE_X, IDC_SIDE_Z, side);
        } else {
            m.EnableRange(IDC_REAR_X, IDC_REAR_Z, rear);
        }
        m.MarkEdited();
        break;
    }
    default:
        m.MarkEdited();
        break;
    }
}

class DialogModelTest : public DialogFixture {};

TEST_F(DialogModelTest, RandomClicksFollowTheRules) {
    const int clickable[] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE, IDC_METHOD_ONE,
                             IDC_METHOD_TWO, IDC_TYPE_SIDE, IDC_TYPE_REAR, IDC_VISUAL, IDC_REALISM,
                             IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z, IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z, IDC_NUMBER};
    const int kSequences = 40;
    const int kSteps = 40;
    int stepsRun = 0;
    for (int seed = 1; seed <= kSequences; seed++) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        // Start from creating mode or from a file of random values, valid or not.
        DeleteFileA(ConfigPathOf("Trainer 1").c_str());
        if (seed % 4 != 0) {
            std::string file = "[General]\nKFWS_Airdrop_variant=" + std::to_string(random() % 4) +
                               "\nKFWS_Airdrop_metod=" + std::to_string(random() % 3) +
                               "\nKFWS_Airdrop_type=" + std::to_string(random() % 4) + "\n";
            WriteConfigFile("Trainer 1", file);
        }
        OpenConfigDialog();
        HWND dialog = gAirdropState.configDialogWindow;
        ASSERT_NE(dialog, nullptr);
        DialogView model = DialogView::Of(dialog);
        for (int step = 0; step < kSteps; step++) {
            int id = clickable[random() % (sizeof(clickable) / sizeof(clickable[0]))];
            if (!model.Enabled(id)) {
                continue; // a disabled control cannot be clicked or typed into
            }
            SCOPED_TRACE("step " + std::to_string(step) + ": control " + std::to_string(id));
            if (id >= IDC_SIDE_X && id <= IDC_NUMBER) {
                TypeInto(dialog, id, std::to_string(random() % 100).c_str());
            } else {
                Click(dialog, id);
            }
            ModelClick(model, id);
            DialogView real = DialogView::Of(dialog);
            std::string differences = model.Differences(real);
            ASSERT_EQ(differences, "");
            // At most one check mark per radio group.
            EXPECT_LE(real.Checked(IDC_VARIANT_PARATROOPERS) + real.Checked(IDC_VARIANT_CARGO) +
                          real.Checked(IDC_VARIANT_FIRE), 1);
            EXPECT_LE(real.Checked(IDC_METHOD_ONE) + real.Checked(IDC_METHOD_TWO), 1);
            stepsRun++;
        }
        ToggleConfigDialog();
    }
    EXPECT_GT(stepsRun, kSequences * kSteps / 2) << "most random picks hit an enabled control";
}

} // namespace

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "import/widgets/CUnitModelDlg.h"
#include "import/widgets/UnitModelControls.h"
#include "model/MemoryProfile.h"
#include "window/QtPrompter.h"

namespace {

namespace UC = UnitModelControl;

class UnitModelDlgTest : public ::testing::Test {
protected:
    UnitModelDlgTest() : m_prompter(nullptr, m_profile) { m_prompter.SetScripted(true); }

    static QRadioButton* Radio(CUnitModelDlg& dlg, int id) {
        return static_cast<QRadioButton*>(dlg.Control(id));
    }
    static QComboBox* List(CUnitModelDlg& dlg) {
        return static_cast<QComboBox*>(dlg.Control(UC::kExpansionList));
    }

    MemoryProfile m_profile;
    QtPrompter m_prompter;
};

TEST_F(UnitModelDlgTest, OpensOnTheFourPortUnitWithNoExpansionUnit) {
    for (bool showExpansion : {true, false}) {
        CUnitModelDlg dlg(m_prompter, showExpansion);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "Please select the main unit model number");
        EXPECT_EQ(Radio(dlg, UC::kFourPort)->text(), "The M-4400 main unit (4 port)");
        EXPECT_EQ(Radio(dlg, UC::kEightPort)->text(), "The M-4800 main unit (8 port)");
        EXPECT_EQ(static_cast<QLabel*>(dlg.Control(UC::kExpansionLabel))->text(),
                  "Select number of expansion units:");
        EXPECT_EQ(static_cast<QPushButton*>(dlg.Control(UC::kOk))->text(), "OK");
        EXPECT_TRUE(Radio(dlg, UC::kFourPort)->isChecked());
        QStringList items;
        for (int i = 0; i < List(dlg)->count(); ++i) items << List(dlg)->itemText(i);
        EXPECT_EQ(items, QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(List(dlg)->currentText(), "0");
        EXPECT_EQ(List(dlg)->isVisibleTo(&dlg), showExpansion);
        EXPECT_EQ(dlg.Control(UC::kExpansionLabel)->isVisibleTo(&dlg), showExpansion);
    }
}

TEST_F(UnitModelDlgTest, OkGivesTheUnitAndItsExpansionUnits) {
    struct Case {
        bool m_bEightPort;
        int m_nListIndex;
        int m_nRows;
        int m_nCiuCount;
    };
    // Five or more camera interface units need the eight-port unit.
    for (const Case& c : {Case{false, 5, 2, 5}, Case{true, 0, 2, 0}, Case{false, 4, 1, 4},
                          Case{false, 0, 1, 0}, Case{true, 8, 2, 8}}) {
        CUnitModelDlg dlg(m_prompter, true);
        dlg.show();
        if (c.m_bEightPort) Radio(dlg, UC::kEightPort)->click();
        List(dlg)->setCurrentIndex(c.m_nListIndex);
        static_cast<QPushButton*>(dlg.Control(UC::kOk))->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.Answer().m_nRows, c.m_nRows) << c.m_nListIndex;
        EXPECT_EQ(dlg.Answer().m_nCiuCount, c.m_nCiuCount) << c.m_nListIndex;
    }
    EXPECT_TRUE(m_prompter.ShownTexts().empty());
}

}  // namespace

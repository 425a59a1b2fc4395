#include "main_window_fixture.h"
#include "modal_closer.h"

namespace kt {
namespace {

class SequenceButtonsTest : public MainWindowTest {
protected:
    void fill(const char* prefix, const char* start, const char* end, const char* step)
    {
        lineEdit(Control::PrefixEdit).setText(prefix);
        lineEdit(Control::StartEdit).setText(start);
        lineEdit(Control::EndEdit).setText(end);
        lineEdit(Control::StepEdit).setText(step);
    }
};

TEST_F(SequenceButtonsTest, NewReplacesAndAddAppendsVerifiedCodes)
{
    codeList().setPlainText("4006381333931\n");
    fill("690123", "1", "2", "1");

    click(Control::NewSequenceButton);
    EXPECT_EQ(listText(), "6901230000010\n6901230000027\n");

    click(Control::AddSequenceButton);
    EXPECT_EQ(listText(), "6901230000010\n6901230000027\n\n6901230000010\n6901230000027\n");
}

TEST_F(SequenceButtonsTest, RefusalsSayWhyOnMainWindowAndLeaveTheList)
{
    struct Refusal {
        const char* prefix;
        const char* start;
        const char* end;
        const char* step;
        const char* message;
    };
    const Refusal refusals[] = {
        {"690123", "10", "1", "1", "起始数值大于终止数值"},
        {"1234567890", "98", "101", "1", "有些数据条码大于13位"},
        {"690123", "1", "3", "0", "间隔不能为0"},
        {"6", "0", "1000000", "1", "序列行数不能超过1000000行"},
    };
    codeList().setPlainText("4006381333931\n");
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.message);
        fill(refusal.prefix, refusal.start, refusal.end, refusal.step);
        ModalCloser closer;

        click(Control::NewSequenceButton);

        EXPECT_EQ(listText(), "4006381333931\n");
        ASSERT_EQ(closer.seen.size(), 1u);
        EXPECT_EQ(closer.seen[0].text, QString::fromUtf8(refusal.message));
        EXPECT_EQ(closer.seen[0].title, "错误！");
        EXPECT_EQ(closer.seen[0].icon, QMessageBox::Critical);
        EXPECT_EQ(closer.seen[0].owner, &window);
    }
}

}  // namespace
}  // namespace kt

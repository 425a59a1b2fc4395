#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "main_window_fixture.h"
#include "modal_closer.h"
#include "svg/svg_state.h"

namespace kt {
namespace {

QByteArray clipboardBytes(const QString& type)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? data->data(type) : QByteArray();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Acts on the save dialog once it is open, as the user would.
void onSaveDialog(std::function<void(QFileDialog&)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start(10);
}

TEST_F(MainWindowTest, ClipboardHoldsTheSameUtf8AsTextAndAsSvg)
{
    // 条 is CC F5 in code page 936.
    window.toolkit().setClipboardText("<svg>\xCC\xF5</svg>");
    EXPECT_EQ(clipboardBytes("text/plain"), QByteArray("<svg>\xE6\x9D\xA1</svg>"));
    EXPECT_EQ(clipboardBytes("image/svg+xml"), clipboardBytes("text/plain"));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("<svg>条</svg>"));
}

TEST_F(MainWindowTest, WriteFileReplacesAWholeFileOrLeavesItAsItWas)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtToolkit& ui = window.toolkit();
    const QString file = folder.filePath("a.svg");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and longer content");
    old.close();

    EXPECT_EQ(ui.writeFile(file.toStdString(), "\xCC\xF5"), std::nullopt);
    EXPECT_EQ(fileBytes(file), QByteArray("\xE6\x9D\xA1"));

    const QString missingFolder = folder.filePath("missing/a.svg");
    EXPECT_NE(ui.writeFile(missingFolder.toStdString(), "x"), std::nullopt);
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder in the file's place cannot be replaced, whoever runs the test.
    const QString folderInTheWay = folder.filePath("b.svg");
    ASSERT_TRUE(QDir().mkpath(folderInTheWay + "/inside"));
    const std::optional<Text> reason = ui.writeFile(folderInTheWay.toStdString(), "x");
    ASSERT_NE(reason, std::nullopt);
    EXPECT_FALSE(reason->empty());
    EXPECT_TRUE(QDir(folderInTheWay + "/inside").exists());
}

TEST_F(MainWindowTest, CopyButtonPutsTheDocumentOnTheClipboard)
{
    codeList().setPlainText("6901234567892\n\n6901234567897");
    click(Control::CopyButton);
    EXPECT_EQ(QByteArray::fromStdString(SvgDocument).count("<g>"), 2);
    EXPECT_EQ(clipboardBytes("text/plain"), QByteArray::fromStdString(SvgDocument));

    click(Control::StackedOutputCheck);
    click(Control::CopyButton);
    EXPECT_EQ(clipboardBytes("image/svg+xml").count("y=\"-85\""), 60);
}

TEST_F(MainWindowTest, SaveButtonWritesTheClipboardBytesWhereTheUserChooses)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString chosen = folder.filePath("codes.svg");
    codeList().setPlainText("690123456789\n400638133393");
    QString proposed;
    QStringList filters;
    QString suffix;
    bool asksBeforeOverwriting = false;
    onSaveDialog([&](QFileDialog& dialog) {
        proposed = dialog.selectedFiles().value(0);
        filters = dialog.nameFilters();
        suffix = dialog.defaultSuffix();
        asksBeforeOverwriting = dialog.acceptMode() == QFileDialog::AcceptSave
                                && !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();  // the OK button
    });

    click(Control::SaveButton);

    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString start = QDir(desktop).exists() ? desktop : QDir::homePath();
    const QString name = QRegularExpression::escape(QDir(start).filePath("条形码"));
    const QRegularExpression proposedName("^" + name + "(0|[1-9][0-9]{0,4})\\.svg$");
    EXPECT_TRUE(proposedName.match(proposed).hasMatch()) << proposed.toStdString();
    EXPECT_EQ(filters, QStringList{"svg (*.svg)"});
    EXPECT_EQ(suffix, "svg");
    EXPECT_TRUE(asksBeforeOverwriting);
    EXPECT_EQ(listText(), "6901234567892\n4006381333931\n");
    EXPECT_EQ(fileBytes(chosen), clipboardBytes("text/plain"));
    EXPECT_EQ(fileBytes(chosen), QByteArray::fromStdString(SvgDocument));
}

TEST_F(MainWindowTest, SaveFailureIsShownOnTheWindow)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    codeList().setPlainText("6901234567892");
    std::optional<ModalCloser> closer;  // for the boxes after the dialog
    onSaveDialog([&](QFileDialog& dialog) {
        dialog.selectFile(folder.filePath("missing/codes.svg"));
        closer.emplace();
        static_cast<QDialog&>(dialog).accept();  // the OK button
    });

    click(Control::SaveButton);

    ASSERT_TRUE(closer);
    ASSERT_EQ(closer->seen.size(), 1u);
    EXPECT_TRUE(closer->seen[0].text.startsWith("文件无法保存："))
        << closer->seen[0].text.toStdString();
    EXPECT_GT(closer->seen[0].text.size(), QString("文件无法保存：").size());
    EXPECT_EQ(closer->seen[0].title, "错误！");
    EXPECT_EQ(closer->seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(closer->seen[0].owner, &window);
}

}  // namespace
}  // namespace kt

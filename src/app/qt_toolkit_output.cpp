#include "app/qt_toolkit.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

#include "app/main_window.h"
#include "app/system_text.h"
#include "svg/large_pages.h"

namespace kt {

namespace {

// The desktop where the user has one, else the home folder.
QString saveDialogFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

// The bytes that leave the program. A document may run to hundreds of megabytes and is
// ASCII, whose UTF-8 is the same bytes: it is copied once, into memory mapped in large pages.
QByteArray outputBytes(const Text& text)
{
    unsigned char seen = 0;
    for (char c : text)
        seen |= static_cast<unsigned char>(c);
    if (seen >= 0x80)
        return systemTextToUtf8(text);
    QByteArray bytes(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    preferLargePages(bytes.data(), text.size());
    std::memcpy(bytes.data(), text.data(), text.size());
    return bytes;
}

}  // namespace

std::optional<std::string> QtToolkit::askSaveFileName(const Text& proposedName)
{
    QFileDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilter(QStringLiteral("svg (*.svg)"));
    dialog.setDefaultSuffix(QStringLiteral("svg"));
    dialog.setDirectory(saveDialogFolder());
    dialog.selectFile(fromSystemText(proposedName));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first().toStdString();
}

std::optional<Text> QtToolkit::writeFile(const std::string& path, const Text& text)
{
    // Written beside the target and renamed over it only when complete, so a failure leaves
    // an existing file as it was.
    QSaveFile file(QString::fromStdString(path));
    const QByteArray bytes = outputBytes(text);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return toSystemText(file.errorString());
}

void QtToolkit::setClipboardText(const Text& text)
{
    // One buffer under both types: plain text for any program, the SVG type for those that
    // paste vector art from it.
    const QByteArray utf8 = outputBytes(text);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), utf8);
    data->setData(QStringLiteral("image/svg+xml"), utf8);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace kt

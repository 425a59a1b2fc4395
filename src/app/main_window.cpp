#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>

#include <optional>
#include <span>

#include "app/app_icon.h"
#include "app/code_list_edit.h"
#include "app/control_tag.h"
#include "app/edit_box_style.h"
#include "app/preview_canvas.h"
#include "app/qt_toolkit.h"
#include "app/spin_buttons.h"
#include "app/typing_filter.h"
#include "app/window_place.h"
#include "app/wrapped_text.h"
#include "commands/clear.h"
#include "commands/input_limit.h"
#include "commands/separator.h"
#include "commands/sequence.h"
#include "commands/verify.h"
#include "preview/preview.h"
#include "svg/save_file.h"
#include "svg/svg_document.h"

namespace kt {

namespace {

enum class Kind { GroupBox, Label, LineEdit, CodeList, Button, CheckBox, Canvas };

// Default: the platform's face at the given height. Gui: the platform's user-interface font.
enum class Face { Default, Gui, Hei };

struct FontSpec {
    Face face;
    int pixels = 0;  // character height
    bool bold = false;
};

struct ControlRow {
    Control control;
    Kind kind;
    std::optional<Control> parent;  // nothing: the window itself
    QRect place;
    const char* text;  // UTF-8
    FontSpec font;
    bool checked = false;
};

constexpr auto OnWindow = std::nullopt;
constexpr bool Bold = true;
constexpr bool Checked = true;

constexpr FontSpec defaultFace(int pixels, bool bold = false)
{
    return {Face::Default, pixels, bold};
}
constexpr FontSpec hei(int pixels, bool bold = false)
{
    return {Face::Hei, pixels, bold};
}
constexpr FontSpec GuiFont{Face::Gui};

// In creation order, which is also the Tab order.
std::span<const ControlRow> controlRows()
{
    using enum Control;
    using enum Kind;
    static const ControlRow rows[] = {
        {SequenceGroup, GroupBox, OnWindow, {24, 25, 448, 326}, "生成条码序列", defaultFace(16, Bold)},
        {SequenceFieldsGroup, GroupBox, SequenceGroup, {11, 21, 425, 194}, "", GuiFont},
        {PrefixLabel, Label, SequenceFieldsGroup, {9, 24, 102, 40}, "条码前缀：", hei(19, Bold)},
        {PrefixEdit, LineEdit, SequenceFieldsGroup, {106, 24, 297, 40}, "", defaultFace(23)},
        {StartLabel, Label, SequenceFieldsGroup, {18, 80, 88, 40}, "起始值：", hei(19, Bold)},
        {StartEdit, LineEdit, SequenceFieldsGroup, {106, 80, 85, 40}, "", defaultFace(23)},
        {EndLabel, Label, SequenceFieldsGroup, {224, 80, 82, 40}, "终止值：", hei(19, Bold)},
        {EndEdit, LineEdit, SequenceFieldsGroup, {302, 80, 85, 40}, "", defaultFace(23)},
        {StepLabel, Label, SequenceFieldsGroup, {247, 136, 74, 40}, "间隔：", hei(19, Bold)},
        {StepEdit, LineEdit, SequenceFieldsGroup, {302, 136, 85, 40}, "", defaultFace(23)},
        {ZeroPadCheck, CheckBox, SequenceGroup, {240, 223, 88, 22}, "自动补零", defaultFace(16), Checked},
        {SyncVerifyCheck, CheckBox, SequenceGroup, {345, 222, 88, 24}, "同步校验", defaultFace(16), Checked},
        {NewSequenceButton, Button, SequenceGroup, {217, 266, 100, 35}, "新序列", hei(21)},
        {AddSequenceButton, Button, SequenceGroup, {330, 265, 100, 35}, "添加序列", hei(21)},
        {PreviewCanvas, Canvas, OnWindow, {63, 409, 380, 264}, "", GuiFont},
        {CopyButton, Button, OnWindow, {71, 713, 160, 50}, "复制到剪切板", hei(23)},
        {SaveButton, Button, OnWindow, {254, 713, 160, 50}, "保存文件", hei(23)},
        {PasteHintLabel, Label, OnWindow, {54, 769, 194, 32}, "（AI CC 可以直接粘贴）", hei(17)},
        {StackedOutputCheck, CheckBox, OnWindow, {281, 766, 111, 40}, "堆叠输出", hei(19)},
        {CodeListEdit, CodeList, OnWindow, {500, 30, 212, 697}, "", hei(23)},
        {VerifyButton, Button, OnWindow, {499, 743, 95, 35}, "校验条码", hei(16)},
        {ClearButton, Button, OnWindow, {608, 742, 95, 35}, "清空编辑框", hei(16)},
        {SeparatorButton, Button, OnWindow, {499, 787, 95, 35}, "其他分隔符", hei(16)},
        {InputLimitCheck, CheckBox, OnWindow, {611, 788, 95, 33}, "13位长度输入限制", hei(16), Checked},
    };
    return rows;
}

constexpr Control spinBoxes[] = {Control::StartEdit, Control::EndEdit, Control::StepEdit};

// Every attribute is set, so that no control inherits the bold title font of its group box.
QFont fontFor(const FontSpec& wanted)
{
    QFont font = QApplication::font();
    font.setFamilies(wanted.face == Face::Hei ? QStringList{QStringLiteral("黑体")}
                                              : font.families());
    if (wanted.face == Face::Gui)
        font.setPointSizeF(font.pointSizeF());
    else
        font.setPixelSize(wanted.pixels);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    return font;
}

QWidget* createControl(const ControlRow& row, QWidget* parent)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::GroupBox:
        return new QGroupBox(text, parent);
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case Kind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        paintAsEditBox(*edit);
        TypingFilter::install(*edit);
        return edit;
    }
    case Kind::CodeList: {
        auto* edit = new CodeListEdit(parent);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
        // The narrow inner margin of a plain edit box; Qt's wider default wraps a 13-digit code.
        edit->document()->setDocumentMargin(2);
        paintAsEditBox(*edit);
        return edit;
    }
    case Kind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case Kind::CheckBox: {
        auto* check = new QCheckBox(text, parent);
        check->setChecked(row.checked);
        return check;
    }
    case Kind::Canvas:
        return new PreviewCanvas(parent);
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Korvane-Tessaly"));
    setWindowIcon(programIcon());
    setFixedSize(ClientSize);
    addControls();
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    toolkit_ = std::make_unique<QtToolkit>(*this);
    bindEvents();
    move(centredWindowPlace(QGuiApplication::primaryScreen()->geometry(), OuterSize));
}

MainWindow::~MainWindow() = default;

void MainWindow::addControls()
{
    for (const ControlRow& row : controlRows()) {
        QWidget* parent = row.parent ? controls_.at(*row.parent) : this;
        QWidget* widget = createControl(row, parent);
        tagControl(*widget, row.control);
        widget->setFont(fontFor(row.font));
        widget->setGeometry(row.place);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            wrapButtonText(*button);
        controls_[row.control] = widget;
    }
    for (Control box : spinBoxes)
        new SpinButtons(*static_cast<QLineEdit*>(control(box)));

    auto* hint = control(Control::PasteHintLabel);
    QPalette palette = hint->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    hint->setPalette(palette);
}

// Every control event the window answers, and the one place where bindings are added.
void MainWindow::bindEvents()
{
    Toolkit& ui = *toolkit_;
    onClick(Control::VerifyButton, [&ui] { verifyCodeList(ui); });
    onClick(Control::ClearButton, [&ui] { clearCodeList(ui); });
    onClick(Control::NewSequenceButton, [&ui] { generateSequence(ui, true); });
    onClick(Control::AddSequenceButton, [&ui] { generateSequence(ui, false); });
    onClick(Control::SeparatorButton, [&ui] { openSeparatorWindow(ui); });
    onClick(Control::CopyButton, [&ui] { buildSvgDocument(ui); });
    onClick(Control::SaveButton, [&ui] { saveSvgFile(ui); });
    CodeListEdit& codeList = codeListEdit();
    codeList.keyPressed = [&ui](int virtualKey) { return acceptCodeListKey(ui, virtualKey); };
    codeList.keyReleased = [&ui] { drawPreview(ui); };
    codeList.leftButtonReleased = [&ui] { drawPreview(ui); };
}

void MainWindow::onClick(Control button, std::function<void()> action)
{
    connect(static_cast<QAbstractButton*>(control(button)), &QAbstractButton::clicked, this,
            std::move(action));
}

QWidget* MainWindow::control(Control control) const
{
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : found->second;
}

CodeListEdit& MainWindow::codeListEdit() const
{
    return *static_cast<CodeListEdit*>(control(Control::CodeListEdit));
}

QWidget* MainWindow::previewCanvas() const
{
    return control(Control::PreviewCanvas);
}

}  // namespace kt

#include "platform/qt/MainWindowView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <vector>

#include "app/Events.h"
#include "app/Program.h"
#include "platform/qt/MemoPosition.h"
#include "platform/qt/PictureFile.h"
#include "platform/qt/PictureToolButton.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/ShapeWidget.h"
#include "platform/qt/VirtualKeys.h"

namespace {

using ToolHandler = void (*)(Program&);

// SpdBtn0 to SpdBtn7 call the click handler of their number.
ToolHandler toolHandler(const std::string& name) {
    static constexpr std::array<ToolHandler, 8> byNumber{SpdBtn0Click, SpdBtn1Click, SpdBtn2Click, SpdBtn3Click,
                                                         SpdBtn4Click, SpdBtn5Click, SpdBtn6Click, SpdBtn7Click};
    if (name.size() != 7 || !name.starts_with("SpdBtn") || name[6] < '0' || name[6] > '7')
        return nullptr;
    return byNumber[static_cast<std::size_t>(name[6] - '0')];
}

QPixmap toolPicture(const std::string& name) {
    QImage image(QStringLiteral(":/pictures/") + QString::fromStdString(name));
    if (image.isNull())
        return {};
    // A strip holds the button's states side by side; the first is its normal face.
    if (image.width() > image.height())
        image = image.copy(0, 0, image.height(), image.height());
    QPixmap picture = QPixmap::fromImage(image);
    // As with Windows tool button pictures, the colour of the bottom-left pixel is see-through.
    picture.setMask(picture.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
    return picture;
}

// An empty caption measures as one blank, the size an empty label keeps on Windows.
QSize captionSize(const QFont& font, const QString& caption) {
    return QFontMetrics(font).size(Qt::TextExpandTabs, caption.isEmpty() ? QStringLiteral(" ") : caption);
}

void setColors(QWidget* widget, QPalette::ColorRole background, Rgb fill, QPalette::ColorRole foreground, Rgb text) {
    QPalette palette = widget->palette();
    palette.setColor(background, qtColor(fill));
    palette.setColor(foreground, qtColor(text));
    widget->setPalette(palette);
}

} // namespace

MainWindowView::MainWindowView(Program& program) : m_program(program) {
    const TMn1& window = program.Mn1;
    setObjectName(QStringLiteral("Mn1"));
    setWindowTitle(qtText(window.Caption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/qm7w.png")));
    setFont(qtFont(window.Font));
    setAutoFillBackground(true);
    setColors(this, QPalette::Window, window.Color, QPalette::WindowText, window.Font.color);
    // Keys are answers, never text for an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(ClientWidth, ClientHeight);

    for (const Control* control : window.controls()) {
        QWidget* parent = control->parent() ? m_widgets.at(control->parent()) : this;
        if (QWidget* widget = createWidget(*control, parent)) {
            widget->setObjectName(QString::fromStdString(control->name()));
            m_widgets[control] = widget;
            m_controls[widget] = control;
            apply(*control, widget);
        }
    }
    // Empty choice labels of the third column stand where the picture goes; they must not paint over it.
    m_widgets.at(&window.GF1)->raise();

    // Keyboard order follows the design's tab order; controls that take no focus are passed over.
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const auto& [control, widget] : m_widgets)
        if (control->tabOrder() >= 0)
            tabOrder.emplace_back(control->tabOrder(), widget);
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    // The model always knows where the keyboard focus is, also after a click or a Tab.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (auto found = m_controls.find(now); found != m_controls.end())
            m_program.Mn1.setFocus(*found->second);
    });
    m_program.Mn1.setObserver(this);
}

MainWindowView::~MainWindowView() {
    // The children go only after this object's own members; their last focus changes must not reach it.
    disconnect(qApp, nullptr, this, nullptr);
    m_program.Mn1.setObserver(nullptr);
}

QWidget* MainWindowView::createWidget(const Control& control, QWidget* parent) {
    switch (control.kind()) {
    case ControlKind::Panel: {
        auto* panel = new QLabel(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        panel->setAutoFillBackground(true);
        m_panel = panel;
        return panel;
    }
    case ControlKind::ToolButton: {
        auto* button = new PictureToolButton(parent);
        button->setFocusPolicy(Qt::NoFocus);
        if (ToolHandler handler = toolHandler(control.name()))
            connect(button, &QToolButton::clicked, this, [this, handler] { RunHandler(m_program, handler); });
        return button;
    }
    case ControlKind::Label:
    case ControlKind::Picture: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(control.kind() == ControlKind::Label);
        return label;
    }
    case ControlKind::Memo: {
        m_memo = new QPlainTextEdit(parent);
        m_memo->setReadOnly(true);
        // The selection is the blank being asked; only the program moves it.
        m_memo->setTextInteractionFlags(Qt::NoTextInteraction);
        m_memo->setFocusPolicy(Qt::ClickFocus);
        m_memo->setTabChangesFocus(true);
        m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_memo->setAttribute(Qt::WA_InputMethodEnabled, false);
        m_memo->installEventFilter(this);
        return m_memo;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(parent);
        // Return presses the focused button, as in a Windows dialog.
        button->setAutoDefault(true);
        if (&control == m_program.Mn1.defaultButton()) {
            button->setDefault(true);
            m_defaultButton = button;
        }
        const Control* sender = &control;
        if (m_program.Mn1.selNumber(control) > 0)
            connect(button, &QPushButton::clicked, this, [this, sender] { RunHandler(m_program, Sel1Click, *sender); });
        else if (&control == &m_program.Mn1.BtnNext)
            connect(button, &QPushButton::clicked, this, [this] { RunHandler(m_program, BtnNextClick); });
        return button;
    }
    case ControlKind::Shape:
        return new ShapeWidget(parent);
    case ControlKind::Player:
        return nullptr;
    }
    return nullptr;
}

void MainWindowView::controlChanged(const Control& control) {
    if (auto found = m_widgets.find(&control); found != m_widgets.end())
        apply(control, found->second);
}

void MainWindowView::apply(const Control& control, QWidget* widget) {
    const FontSpec& font = control.font();
    widget->setFont(qtFont(font));
    widget->setToolTip(qtText(control.hint()));
    switch (control.kind()) {
    case ControlKind::Panel:
    case ControlKind::Label:
        setColors(widget, QPalette::Window, control.color(), QPalette::WindowText, font.color);
        static_cast<QLabel*>(widget)->setText(qtText(control.caption()));
        break;
    case ControlKind::ToolButton: {
        auto* button = static_cast<PictureToolButton*>(widget);
        setColors(widget, QPalette::Button, control.color(), QPalette::ButtonText, font.color);
        button->setText(qtText(control.caption()));
        button->setPicture(toolPicture(control.picture()));
        break;
    }
    case ControlKind::Memo:
        setColors(widget, QPalette::Base, control.color(), QPalette::Text, font.color);
        showMemo(control, static_cast<QPlainTextEdit*>(widget));
        break;
    case ControlKind::Button: {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::ButtonText, qtColor(font.color));
        widget->setPalette(palette);
        static_cast<QPushButton*>(widget)->setText(qtText(control.caption()));
        break;
    }
    case ControlKind::Picture:
        showPicture(control, widget);
        break;
    case ControlKind::Shape:
        static_cast<ShapeWidget*>(widget)->setColors(qtColor(control.color()), qtColor(control.penColor()));
        break;
    case ControlKind::Player:
        break;
    }
    widget->setGeometry(geometryOf(control, widget));
    widget->setVisible(control.visible());
    if (m_program.Mn1.focused() == &control && !widget->hasFocus())
        widget->setFocus();
}

void MainWindowView::showMemo(const Control& control, QPlainTextEdit* memo) {
    const std::string& text = control.caption();
    std::string& shown = m_shownContent[&control];
    if (shown != text) {
        memo->setPlainText(qtText(text));
        shown = text;
    }
    const auto& model = static_cast<const Memo&>(control);
    QTextCursor cursor(memo->document());
    cursor.setPosition(memoCharPosition(text, model.selStart()));
    cursor.setPosition(memoCharPosition(text, model.selStart() + model.selLength()), QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    memo->ensureCursorVisible();
}

void MainWindowView::showPicture(const Control& control, QWidget* widget) {
    auto* label = static_cast<QLabel*>(widget);
    // A hidden picture is loaded when it is shown, so a file changed meanwhile shows its new pixels.
    std::string wanted = control.visible() ? control.picture() : std::string();
    std::string& shown = m_shownContent[&control];
    if (wanted == shown)
        return;
    shown = wanted;
    QImage picture = wanted.empty() ? QImage() : loadPicture(wanted);
    label->setPixmap(QPixmap::fromImage(picture));
}

QRect MainWindowView::geometryOf(const Control& control, QWidget* widget) const {
    // A size below zero (a gauge bar before the first question) shows nothing.
    QRect design(control.left(), control.top(), std::max(control.width(), 0), std::max(control.height(), 0));
    if (control.kind() == ControlKind::Panel)
        design.setWidth(width());
    if (!control.autoSize())
        return design;
    if (control.kind() == ControlKind::Label)
        design.setSize(captionSize(widget->font(), qtText(control.caption())));
    else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        design.setSize(label->pixmap().size());
    return design;
}

void MainWindowView::showCentred() {
    QRect area = screen()->availableGeometry();
    move(area.center() - rect().center());
    show();
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    QWidget* focus = focusWidget();
    bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A focused button lets every key but Return and Space pass; the window does not take them then.
    if (focus && focus != this && !isReturn) {
        event->ignore();
        return;
    }
    if (isReturn && m_defaultButton && m_defaultButton->isVisible()) {
        m_defaultButton->click();
        return;
    }
    keyDown(*event);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memo && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        keyDown(*key);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindowView::keyDown(const QKeyEvent& event) {
    std::uint16_t key = virtualKey(event.key(), event.modifiers(), event.nativeVirtualKey());
    RunHandler(m_program, SentakuBango, key);
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    // The toolbar panel alone follows the window's width; every other control keeps its place.
    if (m_panel)
        m_panel->resize(width(), m_panel->height());
    QWidget::resizeEvent(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    event->setAccepted(RequestClose(m_program));
}

// The adapters of the control kinds, one small class each.
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "model/Memo.h"
#include "platform/AppError.h"
#include "platform/qt/ControlAdapter.h"
#include "platform/qt/MemoPosition.h"
#include "platform/qt/PictureFile.h"
#include "platform/qt/PictureToolButton.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/ShapeWidget.h"

namespace {

class LabelAdapter : public ControlAdapter {
public:
    explicit LabelAdapter(QWidget* parent) : ControlAdapter(new QLabel(parent)) {
        label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label()->setTextFormat(Qt::PlainText);
        label()->setAutoFillBackground(true);
    }

protected:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    void showContent(const Control& control) override {
        showColors(QPalette::Window, control.color(), QPalette::WindowText, control.font().color);
        if (changed(m_caption, control.caption()))
            label()->setText(qtText(control.caption()));
    }
    // A label that sizes itself and has no caption takes no width, so it paints over no text beside it.
    QSize ownSize(const Control& control) const override {
        if (label()->text().isEmpty())
            return {0, control.height()};
        return QFontMetrics(label()->font()).size(Qt::TextExpandTabs, label()->text());
    }

private:
    std::optional<std::string> m_caption;
};

// The toolbar: a raised label that always spans the whole width of the window.
class PanelAdapter : public LabelAdapter {
public:
    explicit PanelAdapter(QWidget* parent) : LabelAdapter(parent) {
        label()->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    QRect place(const Control& control) const override {
        return {control.left(), control.top(), widget()->parentWidget()->width(), control.height()};
    }
};

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

class ToolButtonAdapter : public ControlAdapter {
public:
    explicit ToolButtonAdapter(QWidget* parent) : ControlAdapter(new PictureToolButton(parent)) {
        widget()->setFocusPolicy(Qt::NoFocus);
    }

protected:
    void showContent(const Control& control) override {
        auto* button = static_cast<PictureToolButton*>(widget());
        showColors(QPalette::Button, control.color(), QPalette::ButtonText, control.font().color);
        if (changed(m_caption, control.caption()))
            button->setText(qtText(control.caption()));
        if (changed(m_picture, control.picture()))
            button->setPicture(toolPicture(control.picture()));
    }

private:
    std::optional<std::string> m_caption;
    std::optional<std::string> m_picture;
};

class ButtonAdapter : public ControlAdapter {
public:
    explicit ButtonAdapter(QWidget* parent) : ControlAdapter(new QPushButton(parent)) {
        // Return presses the focused button, as in a Windows dialog.
        static_cast<QPushButton*>(widget())->setAutoDefault(true);
    }

protected:
    void showContent(const Control& control) override {
        showColors(QPalette::NoRole, control.color(), QPalette::ButtonText, control.font().color);
        if (changed(m_caption, control.caption()))
            static_cast<QPushButton*>(widget())->setText(qtText(control.caption()));
    }

private:
    std::optional<std::string> m_caption;
};

class MemoAdapter : public ControlAdapter {
public:
    explicit MemoAdapter(QWidget* parent) : ControlAdapter(new QPlainTextEdit(parent)) {
        QPlainTextEdit* memo = this->memo();
        memo->setReadOnly(true);
        // The selection is the blank being asked; only the program moves it.
        memo->setTextInteractionFlags(Qt::NoTextInteraction);
        memo->setFocusPolicy(Qt::ClickFocus);
        memo->setTabChangesFocus(true);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

protected:
    QPlainTextEdit* memo() const { return static_cast<QPlainTextEdit*>(widget()); }
    void showContent(const Control& control) override {
        showColors(QPalette::Base, control.color(), QPalette::Text, control.font().color);
        const auto& model = static_cast<const Memo&>(control);
        const std::string& text = model.caption();
        bool textChanged = changed(m_text, text);
        if (textChanged)
            memo()->setPlainText(qtText(text));
        if (!changed(m_selection, std::pair(model.selStart(), model.selLength())) && !textChanged)
            return;
        QTextCursor cursor(memo()->document());
        cursor.setPosition(memoCharPosition(text, model.selStart()));
        cursor.setPosition(memoCharPosition(text, model.selStart() + model.selLength()), QTextCursor::KeepAnchor);
        memo()->setTextCursor(cursor);
        memo()->ensureCursorVisible();
    }

private:
    std::optional<std::string> m_text;
    std::optional<std::pair<int, int>> m_selection;
};

class PictureAdapter : public ControlAdapter {
public:
    explicit PictureAdapter(QWidget* parent) : ControlAdapter(new QLabel(parent)) {}

protected:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    void showContent(const Control& control) override {
        // A hidden picture is loaded when it is shown, so a file changed meanwhile shows its new pixels.
        if (changed(m_picture, control.visible() ? control.picture() : std::string()))
            label()->setPixmap(QPixmap::fromImage(pictureOrNone(*m_picture)));
    }
    QSize ownSize(const Control& control) const override {
        return label()->pixmap().isNull() ? ControlAdapter::ownSize(control) : label()->pixmap().size();
    }

private:
    // The file may have changed since the presentation read it; then it is shown as no picture.
    static QImage pictureOrNone(const std::string& name) {
        try {
            return name.empty() ? QImage() : loadPicture(name);
        } catch (const AppError&) {
            return {};
        }
    }

    std::optional<std::string> m_picture;
};

class ShapeAdapter : public ControlAdapter {
public:
    explicit ShapeAdapter(QWidget* parent) : ControlAdapter(new ShapeWidget(parent)) {}

protected:
    void showContent(const Control& control) override {
        if (changed(m_colors, std::pair(control.color(), control.penColor())))
            static_cast<ShapeWidget*>(widget())->setColors(qtColor(control.color()), qtColor(control.penColor()));
    }

private:
    std::optional<std::pair<Rgb, Rgb>> m_colors;
};

} // namespace

std::unique_ptr<ControlAdapter> ControlAdapter::make(const Control& control, QWidget* parent) {
    switch (control.kind()) {
    case ControlKind::Panel:
        return std::make_unique<PanelAdapter>(parent);
    case ControlKind::ToolButton:
        return std::make_unique<ToolButtonAdapter>(parent);
    case ControlKind::Label:
        return std::make_unique<LabelAdapter>(parent);
    case ControlKind::Memo:
        return std::make_unique<MemoAdapter>(parent);
    case ControlKind::Button:
        return std::make_unique<ButtonAdapter>(parent);
    case ControlKind::Picture:
        return std::make_unique<PictureAdapter>(parent);
    case ControlKind::Shape:
        return std::make_unique<ShapeAdapter>(parent);
    case ControlKind::Player:
        return nullptr;
    }
    return nullptr;
}

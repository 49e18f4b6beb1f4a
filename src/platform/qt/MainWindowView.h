#pragma once
#include <QWidget>
#include <string>
#include <unordered_map>

#include "app/Control.h"

struct Program;
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

// The main window Mn1 on screen: one Qt widget per control of the window model, kept current as
// the model changes, and the user's clicks and key presses passed on to the handlers.
class MainWindowView : public QWidget, public ControlObserver {
public:
    explicit MainWindowView(Program& program);
    ~MainWindowView() override;
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;

    void controlChanged(const Control& control) override;
    // Shows the window in the middle of its screen.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createWidget(const Control& control, QWidget* parent);
    void apply(const Control& control, QWidget* widget);
    void showMemo(const Control& control, QPlainTextEdit* memo);
    void showPicture(const Control& control, QWidget* widget);
    QRect geometryOf(const Control& control, QWidget* widget) const;
    void keyDown(const QKeyEvent& event);

    Program& m_program;
    std::unordered_map<const Control*, QWidget*> m_widgets;
    std::unordered_map<const QWidget*, const Control*> m_controls;
    // What a memo or picture widget shows now, so it is loaded again only when it changes.
    std::unordered_map<const Control*, std::string> m_shownContent;
    QWidget* m_panel = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_defaultButton = nullptr;
};

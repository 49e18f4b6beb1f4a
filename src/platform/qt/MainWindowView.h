#pragma once
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "model/Control.h"
#include "platform/qt/ControlAdapter.h"

struct Program;
class QKeyEvent;
class QPushButton;

// The main window Mn1 on screen: one widget per control of the window model, kept current as the
// model changes, and the user's clicks and key presses passed on to the handlers.
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
    void stackAndChain();
    // Passes a key to whoever takes it while `focused` has the focus; false when that control keeps it.
    bool routeKey(const QKeyEvent& event, const Control* focused);

    Program& m_program;
    std::unordered_map<const Control*, std::unique_ptr<ControlAdapter>> m_adapters;
    std::unordered_map<const QWidget*, const Control*> m_controls;
    QWidget* m_memo = nullptr;
    QPushButton* m_defaultButton = nullptr;
};

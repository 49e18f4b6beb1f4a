#include "platform/qt/MainWindowView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "app/ControlHandlers.h"
#include "app/Events.h"
#include "app/KeyRoute.h"
#include "model/Program.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/VirtualKeys.h"

MainWindowView::MainWindowView(Program& program) : m_program(program) {
    TMn1& window = program.Mn1;
    setObjectName(QStringLiteral("Mn1"));
    setWindowTitle(qtText(window.Caption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/qm7w.png")));
    setFont(qtFont(window.Font));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qtColor(window.Color));
    palette.setColor(QPalette::WindowText, qtColor(window.Font.color));
    setPalette(palette);
    // Keys are answers, never text for an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(ClientWidth, ClientHeight);

    for (const Control* control : window.controls()) {
        QWidget* parent = control->parent() ? m_adapters.at(control->parent())->widget() : this;
        std::unique_ptr<ControlAdapter> adapter = ControlAdapter::make(*control, parent);
        if (!adapter)
            continue;
        QWidget* widget = adapter->widget();
        widget->setObjectName(QString::fromStdString(control->name()));
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && HasClickHandler(window, *control))
            connect(button, &QAbstractButton::clicked, this, [this, control] { RunClickHandler(m_program, *control); });
        adapter->show(*control);
        m_controls[widget] = control;
        m_adapters[control] = std::move(adapter);
    }
    m_memo = m_adapters.at(&window.Toi)->widget();
    m_memo->installEventFilter(this);
    m_defaultButton = static_cast<QPushButton*>(m_adapters.at(window.defaultButton())->widget());
    m_defaultButton->setDefault(true);
    stackAndChain();

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

void MainWindowView::stackAndChain() {
    const std::vector<Control*>& controls = m_program.Mn1.controls();
    for (int layer : {1, 2})
        for (const Control* control : controls)
            if (stackingLayer(control->kind()) == layer && m_adapters.contains(control))
                m_adapters.at(control)->widget()->raise();

    // Keyboard order follows the design's tab order; controls that take no focus are passed over.
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const auto& [control, adapter] : m_adapters)
        if (control->tabOrder() >= 0)
            tabOrder.emplace_back(control->tabOrder(), adapter->widget());
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void MainWindowView::controlChanged(const Control& control) {
    auto found = m_adapters.find(&control);
    if (found == m_adapters.end())
        return;
    found->second->show(control);
    QWidget* widget = found->second->widget();
    if (m_program.Mn1.focused() == &control && !widget->hasFocus())
        widget->setFocus();
}

void MainWindowView::showCentred() {
    QRect area = screen()->availableGeometry();
    move(area.center() - rect().center());
    show();
}

bool MainWindowView::routeKey(const QKeyEvent& event, const Control* focused) {
    std::uint16_t key = virtualKey({event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()});
    switch (RouteKey(focused, key, m_defaultButton->isVisible())) {
    case KeyRoute::Answer:
        RunHandler(m_program, SentakuBango, key);
        return true;
    case KeyRoute::DefaultButton:
        m_defaultButton->click();
        return true;
    case KeyRoute::Focused:
        break;
    }
    return false;
}

void MainWindowView::keyPressEvent(QKeyEvent* event) {
    // Keys come here from the window itself, or passed on by a focused button that does not take them.
    auto focused = m_controls.find(focusWidget());
    if (!routeKey(*event, focused == m_controls.end() ? nullptr : focused->second))
        event->ignore();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memo && event->type() == QEvent::KeyPress)
        return routeKey(*static_cast<QKeyEvent*>(event), &m_program.Mn1.Toi);
    return QWidget::eventFilter(watched, event);
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    // The toolbar panel alone follows the window's width; every other control keeps its place.
    if (auto panel = m_adapters.find(&m_program.Mn1.PnlOpe); panel != m_adapters.end())
        panel->second->show(m_program.Mn1.PnlOpe);
    QWidget::resizeEvent(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    event->setAccepted(RequestClose(m_program));
}

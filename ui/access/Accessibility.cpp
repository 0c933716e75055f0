#include "ui/access/Accessibility.h"

#include "dialogs/CDialogBase.h"
#include "ui/access/CAccessibleHost.h"
#include "ui/controls/IControlHost.h"

#include <QAccessible>
#include <QDialog>
#include <QWidget>

namespace {

QAccessibleInterface* HostFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* host = dynamic_cast<IControlHost*>(object);
    if (widget == nullptr || host == nullptr || host->HostDispatcher() == nullptr) {
        return nullptr;
    }
    const bool dialog = qobject_cast<QDialog*>(object) != nullptr;
    return new CAccessibleHost(widget, dialog ? QAccessible::Dialog : QAccessible::Client);
}

} // namespace

namespace Accessibility {

void Install() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(HostFactory);
        CDialogBase::SetRedrawObserver(Announce);
    }
}

void Announce(QWidget* window) {
    if (CAccessibleHost* host = CAccessibleHost::Existing(window)) {
        host->Announce();
    }
}

void Hold(QWidget* window, bool held) {
    CAccessibleHost::SetHeld(window, held);
    if (!held) {
        Announce(window);
    }
}

} // namespace Accessibility

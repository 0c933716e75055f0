#include "cli/LibnotifyNotifier.h"

#include <libnotify/notify.h>

#include <memory>

namespace {

struct ObjectUnref {
    void operator()(NotifyNotification* notification) const { g_object_unref(notification); }
};
struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// notify_init's counterpart, once the notification has gone.
class NotifySession {
public:
    NotifySession() : m_ready(notify_init(LibnotifyNotifier::kAppName) != FALSE) {}
    ~NotifySession() {
        if (m_ready) {
            notify_uninit();
        }
    }
    NotifySession(const NotifySession&) = delete;
    NotifySession& operator=(const NotifySession&) = delete;
    bool Ready() const { return m_ready; }

private:
    bool m_ready;
};

} // namespace

void LibnotifyNotifier::Notify(const CliNotice& notice) {
    const NotifySession session;
    if (!session.Ready()) {
        return;
    }
    const std::unique_ptr<NotifyNotification, ObjectUnref> notification(
        notify_notification_new(notice.summary.c_str(), notice.body.c_str(), kIcon));
    if (!notification) {
        return;
    }
    // Lets the server group it with the program's menu entry.
    notify_notification_set_hint(notification.get(), "desktop-entry", g_variant_new_string(kIcon));
    GError* raw = nullptr;
    notify_notification_show(notification.get(), &raw);
    // Nobody to show it to is not a failure of the read.
    const std::unique_ptr<GError, ErrorFree> error(raw);
}

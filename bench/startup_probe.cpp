// The floor for Zelvo's benchmarks (bench/run.sh): what any Qt Widgets program pays to show a
// bar shaped like Zelvo's, a frameless 840x35 window titled "Zelvo" with seven line edits in a
// row, and to show and hide it on a global hot key, Ctrl+Alt+K, through an X11 key grab of its
// own. It holds no tray icon: hidden, its window is only unmapped.
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint16_t kModifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

// Shows the hidden bar and brings it to the front, or hides the shown one, on each press.
class HotKeyToggle final : public QAbstractNativeEventFilter {
  public:
    HotKeyToggle(QWidget& bar, xcb_keycode_t key) : bar_(bar), key_(key) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS ||
            reinterpret_cast<const xcb_key_press_event_t*>(event)->detail != key_) {
            return false;
        }
        if (bar_.isVisible()) {
            bar_.hide();
        } else {
            bar_.show();
            bar_.activateWindow();
        }
        return true;
    }

  private:
    QWidget& bar_;
    xcb_keycode_t key_;
};

// Grabs Ctrl+Alt+K on the root window; the key's code, or 0 when there is none.
xcb_keycode_t GrabHotKey(xcb_connection_t* connection) {
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, XK_k);
    const xcb_keycode_t key = codes != nullptr ? codes[0] : 0;
    std::free(codes);
    xcb_key_symbols_free(symbols);
    if (key != 0) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_grab_key(connection, 1, root, kModifiers, key, XCB_GRAB_MODE_ASYNC,
                     XCB_GRAB_MODE_ASYNC);
        xcb_flush(connection);
    }
    return key;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget bar(nullptr, Qt::FramelessWindowHint);
    bar.setWindowTitle("Zelvo");
    auto* row = new QHBoxLayout(&bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < 7; ++i) {
        row->addWidget(new QLineEdit(&bar));
    }
    bar.resize(840, 35);

    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    const xcb_keycode_t key = x11 != nullptr ? GrabHotKey(x11->connection()) : 0;
    HotKeyToggle toggle(bar, key);
    if (key != 0) {
        app.installNativeEventFilter(&toggle);
    }
    bar.show();
    return app.exec();
}

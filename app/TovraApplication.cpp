#include "app/TovraApplication.h"

#include <exception>

namespace tovra {

TovraApplication::TovraApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool TovraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (errorSink_) {
            errorSink_(error.what());
        }
    } catch (...) {
        if (errorSink_) {
            errorSink_("Unknown error");
        }
    }
    return false;
}

} // namespace tovra

#pragma once

// The application object. Its event dispatch is where errors that end a
// handler stop: they never cross Qt's event loop, they go the program-wide
// failure route instead.

#include <functional>
#include <string>

#include <QApplication>

namespace tovra {

class TovraApplication : public QApplication {
    Q_OBJECT

public:
    using ErrorSink = std::function<void(const std::string& text)>;

    TovraApplication(int& argc, char** argv);

    /// Where caught errors go; until set they are dropped.
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    ErrorSink errorSink_;
};

} // namespace tovra

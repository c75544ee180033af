#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) end the game
// the way closing it does, so an entry being named is not lost: the handler
// only writes the signal's number to a pipe, and the GUI thread reads it from
// there and calls `end`. Once everything is saved and torn down, the program
// ends by the same signal with its default action, so the caller sees the
// status it expects of that signal (a shell's 128 + number).

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace wd {

class QuitSignals : public QObject {
public:
    // From now on the three signals call `end` on this thread, once.
    explicit QuitSignals(std::function<void()> end, QObject* parent = nullptr);
    // Ends the program by the signal caught, if one was: declared before the
    // window, this runs after the window has saved.
    ~QuitSignals() override;

    // The signal caught, or 0.
    int caught() const { return signal_number; }

    // What `end` usually does: every event loop ends, so an open dialog
    // returns what it holds (the name as typed) and the program unwinds.
    static void end_all_loops();

private:
    void read_pipe();

    std::function<void()> end;
    QSocketNotifier* notifier = nullptr;
    int signal_number = 0;
};

}  // namespace wd

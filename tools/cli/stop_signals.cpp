#include "stop_signals.h"

#include "interruption.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#endif

namespace StopSignals {

#ifdef _WIN32

namespace {

BOOL WINAPI onControl(DWORD event)
{
    if (Interruption::requested() && event == CTRL_C_EVENT)
        return FALSE; // asked twice: the system ends the program
    Interruption::request();
    // A closing console ends the program when this returns; meanwhile the work winds down.
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        ::Sleep(4000);
    return TRUE;
}

} // namespace

void install()
{
    ::SetConsoleCtrlHandler(onControl, TRUE);
}

#else

namespace {

void onSignal(int number)
{
    Interruption::request();
    std::signal(number, SIG_DFL); // asked twice: the signal ends the program
}

} // namespace

void install()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

#endif

} // namespace StopSignals

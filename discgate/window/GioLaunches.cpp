#include "GioLaunches.h"

#include <gio/gio.h>
#include <list>
#include <utility>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

// Enough to run every source that is ready, while a source that stays ready
// cannot keep dispatch() from returning.
constexpr int iterationsPerDispatch = 64;

struct Launch {
    bool address = false;
    SteadyClock::time_point deadline;
    GCancellable *cancellable = g_cancellable_new();
    GioLaunches::Answer answer;
    bool finished = false;
    Result<void, OpenFailure> outcome;
};

OpenFailure failureOf(const GError *error, bool address) {
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND))
        return {OpenProblem::FileMissing, {}};
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED))
        return {address ? OpenProblem::NoProgramForAddress : OpenProblem::NoProgramForFile, {}};
    return {OpenProblem::System, error->message};
}

// Runs on the launches' own context, inside dispatch(): it only notes the
// result, which dispatch() hands out once GLib is done with the context.
void launchFinished(GObject *, GAsyncResult *result, gpointer data) {
    auto *launch = static_cast<Launch *>(data);
    GError *error = nullptr;
    if (!g_app_info_launch_default_for_uri_finish(result, &error)) {
        launch->outcome = Failure{failureOf(error, launch->address)};
        g_error_free(error);
    }
    launch->finished = true;
}

} // namespace

struct GioLaunches::State {
    explicit State(std::chrono::milliseconds wait) : answerWait(wait) {}

    const std::chrono::milliseconds answerWait;
    GMainContext *const context = g_main_context_new();
    // A list, so that GIO's pointers to its launches stay valid.
    std::list<Launch> launches;

    void launch(const char *uri, bool address, Answer answer) {
        Launch &launch = launches.emplace_back();
        launch.address = address;
        launch.deadline = SteadyClock::now() + answerWait;
        launch.answer = std::move(answer);
        // GIO attaches its work to the thread's default context of the moment.
        g_main_context_push_thread_default(context);
        g_app_info_launch_default_for_uri_async(uri, nullptr, launch.cancellable, launchFinished,
                                                &launch);
        g_main_context_pop_thread_default(context);
    }
};

GioLaunches::GioLaunches(std::chrono::milliseconds answerWait)
    : m_state(std::make_unique<State>(answerWait)) {}

// What GIO still does is cancelled. Its callbacks can never come, since only
// dispatch() runs the context, so the launches they point to may go.
GioLaunches::~GioLaunches() {
    for (Launch &launch : m_state->launches) {
        g_cancellable_cancel(launch.cancellable);
        g_object_unref(launch.cancellable);
    }
    g_main_context_unref(m_state->context);
}

void GioLaunches::openFile(const std::filesystem::path &path, Answer answer) {
    GError *error = nullptr;
    char *uri = g_filename_to_uri(path.c_str(), nullptr, &error);
    if (uri == nullptr) {
        const OpenFailure failure{OpenProblem::System, error->message};
        g_error_free(error);
        answer(Failure{failure});
        return;
    }
    m_state->launch(uri, false, std::move(answer));
    g_free(uri);
}

void GioLaunches::openAddress(const std::string &address, Answer answer) {
    m_state->launch(address.c_str(), true, std::move(answer));
}

bool GioLaunches::dispatch() {
    // Whether a launch is overdue is judged before GIO runs: an answer that
    // first comes after the deadline is not heard, even in this call.
    const SteadyClock::time_point start = SteadyClock::now();
    g_main_context_push_thread_default(m_state->context);
    for (int i = 0; i < iterationsPerDispatch; ++i) {
        if (!g_main_context_iteration(m_state->context, FALSE))
            break;
    }
    g_main_context_pop_thread_default(m_state->context);

    // The answers are called last, when the launches are in order again: an
    // answer may show a message box, whose event loop calls dispatch() anew.
    std::vector<std::pair<Answer, Result<void, OpenFailure>>> due;
    for (auto launch = m_state->launches.begin(); launch != m_state->launches.end();) {
        const bool overdue = start >= launch->deadline;
        if (launch->answer && (launch->finished || overdue))
            due.emplace_back(std::exchange(launch->answer, {}),
                             overdue ? Result<void, OpenFailure>() : launch->outcome);
        if (launch->finished) {
            g_object_unref(launch->cancellable);
            launch = m_state->launches.erase(launch);
        } else {
            ++launch;
        }
    }
    for (auto &[answer, outcome] : due)
        answer(outcome);
    return !m_state->launches.empty();
}

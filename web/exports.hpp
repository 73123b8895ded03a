// What the page calls in the program. Texts come as bytes and their length,
// and may hold any byte. A run the page makes is held by the program, under
// a number, until the page releases it; every other call on it names it.
//
// What a call returns stays valid until the same call is next made: for the
// calls that show a sort, until the same call is next made for that sort; a
// run's facts, session and explanation, while the run is held.
#pragma once

#include "layout.hpp"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#define EMSCRIPTEN_KEEPALIVE
#endif

extern "C" {

// What the page learns once of the program (layout.hpp), as JSON.
EMSCRIPTEN_KEEPALIVE const char* about();

// A run of generated values on the form's answers (Run::generated): its
// number; or 0, and refusal() says why.
EMSCRIPTEN_KEEPALIVE int run_generated(const char* count, int count_length, const char* seed, int seed_length,
                                       const char* list, int list_length, const char* arrangement,
                                       int arrangement_length);
// A run of the learner's values in text, listed when listing is not 0 (Run::own), likewise.
EMSCRIPTEN_KEEPALIVE int run_own(const char* text, int length, const char* arrangement, int arrangement_length,
                                 int listing);
// Why the last run asked for was refused (Refusal::json).
EMSCRIPTEN_KEEPALIVE const char* refusal();
// What a run is (Run::facts).
EMSCRIPTEN_KEEPALIVE const char* run_facts(int run);
// The run's session, as the program wrote it.
EMSCRIPTEN_KEEPALIVE const char* run_session(int run);
// Why the run's counts are what they are (Run::explanation).
EMSCRIPTEN_KEEPALIVE const char* run_explain(int run);
// The run's sort at index sort made ready to be shown at any step, anew, with
// windows of window steps; then moved to step, 0 <= step; then given a new
// window from step first, the step shown kept. Each returns what the view draws of it.
EMSCRIPTEN_KEEPALIVE const Shown* run_watch(int run, int sort, int window);
EMSCRIPTEN_KEEPALIVE const Shown* run_go(int run, int sort, int step);
EMSCRIPTEN_KEEPALIVE const Shown* run_refill(int run, int sort, int first);
// The sort's last steps, at most steps of them, kept in a window of their own.
EMSCRIPTEN_KEEPALIVE void run_keep_end(int run, int sort, int steps);
// The run's sort at index sort done by hand (Run::practice); null where the
// run has too few values or too many.
EMSCRIPTEN_KEEPALIVE const char* run_practice(int run, int sort);
// The run no longer held.
EMSCRIPTEN_KEEPALIVE void run_release(int run);

// Each sort's count, in the sorts' order, for count values (0 to MAX) from
// seed in the arrangement named, for the chart; null for an arrangement that
// does not exist.
EMSCRIPTEN_KEEPALIVE const int* counts(const char* arrangement, int length, int count, int seed);
// A few small runs of the chart's counts (300 descending values), which bring
// the sorts to the engine's optimising tier before any run is asked for.
EMSCRIPTEN_KEEPALIVE void warm_up();
// The number the program takes from a guess at a count, by the rule it takes
// a count by, from 0 to the highest guess; -1 when it refuses it.
EMSCRIPTEN_KEEPALIVE int guess_of(const char* text, int length);
// The step of a race of last steps that text names, by the same rule; -1 for none.
EMSCRIPTEN_KEEPALIVE int step_of(const char* text, int length, int last);
}

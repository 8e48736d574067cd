// The start-up time line of the instrumented build that only the benchmark makes: each step
// writes the milliseconds since process start to standard error. The shipped program is built
// without OVASETTINGS_TIMELINE, and then the steps leave nothing in it, not even their names.
#pragma once

#ifdef OVASETTINGS_TIMELINE
// NUMBER, when not negative, follows the step's name (the page number of "page created").
void MarkTimelineStep(const char* step, int number = -1);
#define TIMELINE_STEP(step) MarkTimelineStep(step)
#define TIMELINE_NUMBERED_STEP(step, number) MarkTimelineStep(step, number)
// Only the first time: the first paint among many.
#define TIMELINE_FIRST_STEP(step)            \
    do {                                     \
        static bool marked = false;          \
        if (!marked) MarkTimelineStep(step); \
        marked = true;                       \
    } while (false)
#else
#define TIMELINE_STEP(step) ((void)0)
#define TIMELINE_NUMBERED_STEP(step, number) ((void)0)
#define TIMELINE_FIRST_STEP(step) ((void)0)
#endif

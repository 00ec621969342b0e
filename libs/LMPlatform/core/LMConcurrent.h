#pragma once

#include "LMPlatformExport.h"

#include <QList>
#include <QtConcurrent/QtConcurrentFilter>
#include <QtConcurrent/QtConcurrentMap>

#include <functional>
#include <type_traits>
#include <utility>

// Blocking parallel maps and filters on the global thread pool. They run in parallel when called
// on the application's main thread or while the pool has free threads, and otherwise sequentially
// in the calling thread, so that nested blocking maps never starve the pool. Results keep the
// order of the input.
class LMPLATFORM_EXPORT LMConcurrent
{
public:
    LMConcurrent() = delete;

    // The global pool's maximum thread count.
    static int maxRunningThreads();

    // Whether a blocking map called now in this thread runs in parallel.
    static bool runsInParallel();

    // Calls theFunction on every element, in place.
    template <typename Container, typename Function>
    static void blockingMap(Container& theContainer, Function&& theFunction)
    {
        if (runsInParallel()) {
            QtConcurrent::blockingMap(theContainer, std::forward<Function>(theFunction));
            return;
        }
        for (auto& anElement : theContainer)
            std::invoke(theFunction, anElement);
    }

    // The results of theFunction for every element, in input order; a QList of the result type
    // unless another container (with push_back) is named.
    template <typename ResultContainer = void, typename Container, typename Function>
    static auto blockingMapped(const Container& theContainer, Function&& theFunction)
    {
        using Element = typename Container::value_type;
        using Result
            = std::conditional_t<std::is_void_v<ResultContainer>,
                                 QList<std::decay_t<std::invoke_result_t<Function&, const Element&>>>, ResultContainer>;
        if (runsInParallel())
            return QtConcurrent::blockingMapped<Result>(theContainer, std::forward<Function>(theFunction));
        Result aResult;
        for (const auto& anElement : theContainer)
            aResult.push_back(std::invoke(theFunction, anElement));
        return aResult;
    }

    // The elements for which thePredicate holds, in input order.
    template <typename Container, typename Predicate>
    static Container blockingFiltered(const Container& theContainer, Predicate&& thePredicate)
    {
        if (runsInParallel())
            return QtConcurrent::blockingFiltered(theContainer, std::forward<Predicate>(thePredicate));
        return filteredSequentially(theContainer, thePredicate);
    }

    // Removes the elements for which thePredicate does not hold, keeping the order of the others.
    template <typename Container, typename Predicate>
    static void blockingFilter(Container& theContainer, Predicate&& thePredicate)
    {
        if (runsInParallel()) {
            QtConcurrent::blockingFilter(theContainer, std::forward<Predicate>(thePredicate));
            return;
        }
        theContainer = filteredSequentially(theContainer, thePredicate);
    }

private:
    template <typename Container, typename Predicate>
    static Container filteredSequentially(const Container& theContainer, Predicate& thePredicate)
    {
        Container aResult;
        for (const auto& anElement : theContainer) {
            if (std::invoke(thePredicate, anElement))
                aResult.push_back(anElement);
        }
        return aResult;
    }
};

#pragma once
#include <QThreadPool>
#include <memory>

/// Frees a value on a pool thread: a list of thousands of products or tiles would cost
/// the screen's thread milliseconds to free, all at once.
template <class T> void Desechar(T &&valor)
{
    auto v = std::make_shared<std::decay_t<T>>(std::forward<T>(valor));
    // The lambda is moved into the pool's task, so the last hold is released there.
    QThreadPool::globalInstance()->start([v = std::move(v)]() mutable { v.reset(); });
}

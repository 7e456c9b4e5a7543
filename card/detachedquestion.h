#pragma once

// A question that may take long (a volume that stopped answering) asked on a thread of
// its own that nobody waits for: neither the window nor the program's exit hangs on it.
// The answer is posted back to the owner while the owner lives; once the owner is gone
// (its DetachedQuestion destroyed) a late answer is dropped.

#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <functional>
#include <memory>
#include <thread>

class DetachedQuestion
{
public:
    explicit DetachedQuestion(QObject* owner) : Link(std::make_shared<Shared>())
    {
        Link->owner = owner;
    }
    ~DetachedQuestion()
    {
        QMutexLocker locker(&Link->lock);
        Link->owner = nullptr;
    }
    DetachedQuestion(const DetachedQuestion&) = delete;
    DetachedQuestion& operator=(const DetachedQuestion&) = delete;

    // Runs question on a new thread; answer runs on the owner's thread with its result.
    template <typename T>
    void Ask(std::function<T()> question, std::function<void(const T&)> answer)
    {
        std::thread([link = Link, question = std::move(question), answer = std::move(answer)] {
            const T result = question();
            QMutexLocker locker(&link->lock);
            // Posted: an owner deleted before the event is handled takes the event with it.
            if (QObject* owner = link->owner)
                QMetaObject::invokeMethod(
                    owner, [answer, result] { answer(result); }, Qt::QueuedConnection);
        }).detach();
    }

private:
    struct Shared {
        QMutex lock;
        QObject* owner = nullptr;
    };
    std::shared_ptr<Shared> Link;
};

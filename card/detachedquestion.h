#pragma once

// A question that may take long (a volume that stopped answering) asked on a thread of
// its own that nobody waits for: neither the window nor the program's exit hangs on it.
// The answer is posted back to the owner while the owner lives; once the owner is gone
// (its DetachedQuestion destroyed) a late answer is dropped.

#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <QString>
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

// A question about a folder that may change while it is asked (a card path being typed,
// a card swapped): one question at a time, and the newest folder wins. Asked while a
// question runs, it is asked again when that one returns; an answer about a folder that
// is no longer the newest is dropped and the newest is asked. The question is taken anew
// at each asking (tests replace it after construction).
template <typename T> class NewestQuestion
{
public:
    NewestQuestion(QObject* owner, std::function<std::function<T(const QString&)>()> question,
                   std::function<void(const T&)> answered)
        : Question(std::move(question)), Answered(std::move(answered)), Detached(owner)
    {
    }

    void SetFolder(const QString& folder) { Newest = folder; }
    const QString& Folder() const { return Newest; }

    // Asks about the newest folder.
    void Ask()
    {
        if (Asking) {
            Again = true;
            return;
        }
        Asking = true;
        const QString folder = Newest;
        Detached.Ask<T>([ask = Question(), folder] { return ask(folder); },
                        [this, folder](const T& answer) {
                            Asking = false;
                            const bool newest = folder == Newest;
                            const bool again = Again || !newest;
                            Again = false;
                            if (newest)
                                Answered(answer);
                            if (again)
                                Ask();
                        });
    }

private:
    std::function<std::function<T(const QString&)>()> Question;
    std::function<void(const T&)> Answered;
    QString Newest;
    bool Asking = false;
    bool Again = false;
    DetachedQuestion Detached;
};

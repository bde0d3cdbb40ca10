// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundplayer.h"

#ifdef LIMBORA_PULSE
#include "pulsebackend.h"
#elif defined(LIMBORA_WAVEOUT)
#include "waveoutbackend.h"
#else
#include "qtaudiobackend.h"
#endif

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Never destroyed: a thread that is still running can't be, even as the process ends. Reached
// only from the thread the players live in.
std::vector<QThread *> &leftBehind()
{
    static auto *threads = new std::vector<QThread *>;
    return *threads;
}

} // namespace

int SoundPlayer::threadsLeftBehind()
{
    std::erase_if(leftBehind(), [](QThread *thread) {
        if (!thread->isFinished()) {
            return false;
        }
        delete thread;
        return true;
    });
    return int(leftBehind().size());
}

SoundPlayer::SoundPlayer(const QString &directory, QObject *parent)
#ifdef LIMBORA_PULSE
    : SoundPlayer(directory, std::make_unique<PulseBackend>(directory), parent)
#elif defined(LIMBORA_WAVEOUT)
    : SoundPlayer(directory, std::make_unique<WaveOutBackend>(directory), parent)
#else
    : SoundPlayer(directory, std::make_unique<QtAudioBackend>(directory), parent)
#endif
{
}

SoundPlayer::SoundPlayer(const QString &directory, std::unique_ptr<SoundBackend> backend,
                         QObject *parent)
    : QObject(parent)
    , m_directory(directory)
    , m_thread(new QThread) // no parent: a thread stuck in the audio system is left behind
    , m_backend(backend.release())
{
    threadsLeftBehind();
    m_thread->setObjectName(QStringLiteral("sound"));
    m_backend->setParent(nullptr);
    m_backend->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_backend, &QObject::deleteLater);
    connect(m_backend, &SoundBackend::started, this, &SoundPlayer::started);
    connect(m_backend, &SoundBackend::failed, this, &SoundPlayer::failed);
    m_thread->start();
}

SoundPlayer::~SoundPlayer()
{
    if (!shutDown()) {
        leftBehind().push_back(std::exchange(m_thread, nullptr));
    }
}

bool SoundPlayer::shutDown(int allowanceMs)
{
    if (!m_thread) {
        return true;
    }
    if (!m_shutDown) {
        m_shutDown = true;
        disconnect(m_backend, nullptr, this, nullptr);
        for (const Waiting &waiting : std::as_const(m_waiting)) {
            delete waiting.deadline;
        }
        m_waiting.clear();
        m_thread->quit();
    }
    if (!m_thread->wait(QDeadlineTimer(allowanceMs))) {
        return false; // left behind, unless a later call finds it ended
    }
    delete m_thread;
    m_thread = nullptr;
    threadsLeftBehind();
    return true;
}

void SoundPlayer::preload(const QStringList &names)
{
    if (m_shutDown) {
        return;
    }
    QMetaObject::invokeMethod(
        m_backend,
        [backend = m_backend, names, folders = m_folders] { backend->preload(names, folders); },
        Qt::QueuedConnection);
}

void SoundPlayer::setCallFolders(const QStringList &folders)
{
    m_folders = folders.isEmpty() ? QStringList{QString()} : folders;
}

void SoundPlayer::setVolume(int percent)
{
    m_volumePercent = std::clamp(percent, 0, 100);
}

void SoundPlayer::setDefaultSound(std::function<void()> defaultSound)
{
    m_defaultSound = std::move(defaultSound);
}

quint64 SoundPlayer::request(const QString &name, bool wait)
{
    SoundRequest request{++m_lastId, name, wait, 0, m_folders, m_volumePercent};
    if (wait) {
        // The backend starts nothing once this wait has been given up.
        request.startByNs = monotonicNs() + (StartAllowanceMs - 50) * qint64(1'000'000);
    }
    if (!m_shutDown) {
        QMetaObject::invokeMethod(
            m_backend, [backend = m_backend, request] { backend->play(request); },
            Qt::QueuedConnection);
    }
    return request.id;
}

void SoundPlayer::playAndWait(const QString &name, std::function<void()> finished)
{
    const quint64 id = request(name, true);
    auto *deadline = new QTimer(this);
    deadline->setSingleShot(true);
    deadline->setTimerType(Qt::PreciseTimer);
    connect(deadline, &QTimer::timeout, this, [this, id] { finish(id); });
    deadline->start(StartAllowanceMs);
    m_waiting.insert(id, Waiting{name, std::move(finished), deadline});
}

void SoundPlayer::stop(const QString &name)
{
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (it->name != name) {
            ++it;
            continue;
        }
        const quint64 id = it.key();
        it->deadline->stop();
        it->deadline->deleteLater();
        it = m_waiting.erase(it);
        if (!m_shutDown) {
            QMetaObject::invokeMethod(
                m_backend, [backend = m_backend, id] { backend->stop(id); }, Qt::QueuedConnection);
        }
    }
}

void SoundPlayer::playAndReturn(const QString &name)
{
    m_returning.insert(request(name, false));
}

// The wait ends when the last sample is heard, on our own clock: the backend's own end report
// comes when the data was handed over, a tenth of a second early, or never.
void SoundPlayer::started(quint64 id, qint64 audibleEndNs)
{
    m_returning.remove(id);
    const auto found = m_waiting.constFind(id);
    if (found != m_waiting.constEnd()) {
        const qint64 remainingNs = audibleEndNs - monotonicNs();
        found->deadline->start(int(std::max<qint64>(0, (remainingNs + 500'000) / 1'000'000)));
    }
}

void SoundPlayer::failed(quint64 id)
{
    if (m_returning.remove(id) && m_defaultSound) {
        m_defaultSound(); // neither the file nor the desktop's own sound could be heard
    }
    finish(id);
}

void SoundPlayer::finish(quint64 id)
{
    const auto found = m_waiting.constFind(id);
    if (found == m_waiting.constEnd()) {
        return;
    }
    const Waiting waiting = *found;
    m_waiting.erase(found);
    waiting.deadline->deleteLater();
    if (waiting.finished) {
        waiting.finished();
    }
}

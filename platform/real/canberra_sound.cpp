// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/canberra_sound.h"

#include "platform/desktop_log.h"

#include <QFileInfo>
#include <QLibrary>

#include <canberra.h>

namespace platform {

namespace {
// One id for all our sounds, so a new one can cut off the one still playing.
constexpr uint32_t kSoundId = 1;
} // namespace

// The few calls the clock makes, resolved from the library when it is loaded.
struct CanberraSound::Library {
    QLibrary file;
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_strerror) strerror = nullptr;

    template <typename Function>
    bool resolve(Function &function, const char *name)
    {
        function = reinterpret_cast<Function>(file.resolve(name));
        return function != nullptr;
    }
};

CanberraSound::CanberraSound(QString library) : m_libraryName(std::move(library))
{
}

CanberraSound::~CanberraSound()
{
    if (m_context)
        m_library->destroy(m_context);
}

bool CanberraSound::ready()
{
    if (m_tried)
        return m_context != nullptr;
    m_tried = true;
    auto library = std::make_unique<Library>();
    library->file.setFileName(m_libraryName);
    // Its sound thread may still run when we let go of it.
    library->file.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library->file.load()) {
        m_unavailable = library->file.errorString();
        return false;
    }
    if (!library->resolve(library->create, "ca_context_create")
        || !library->resolve(library->destroy, "ca_context_destroy")
        || !library->resolve(library->changeProps, "ca_context_change_props")
        || !library->resolve(library->cancel, "ca_context_cancel")
        || !library->resolve(library->play, "ca_context_play") || !library->resolve(library->strerror, "ca_strerror")) {
        m_unavailable = library->file.errorString();
        return false;
    }
    const int created = library->create(&m_context);
    if (created != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = QString::fromUtf8(library->strerror(created));
        return false;
    }
    library->changeProps(m_context, CA_PROP_APPLICATION_NAME, "Horalux", CA_PROP_APPLICATION_ID, "horalux", nullptr);
    m_library = std::move(library);
    return true;
}

void CanberraSound::playFile(const QString &fileName)
{
    // No device, no sound system or no file: silence, never an error.
    if (!ready()) {
        report(QStringLiteral("no sound: %1").arg(m_unavailable), false);
        return;
    }
    if (!QFileInfo(fileName).isFile()) {
        report(QStringLiteral("cannot play %1: there is no such file").arg(fileName), true);
        return;
    }
    m_library->cancel(m_context, kSoundId);
    const QByteArray path = QFileInfo(fileName).absoluteFilePath().toLocal8Bit();
    const int played =
        m_library->play(m_context, kSoundId, CA_PROP_MEDIA_FILENAME, path.constData(), CA_PROP_MEDIA_ROLE, "event",
                        CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    if (played == CA_SUCCESS)
        m_reported.clear();
    else
        report(QStringLiteral("cannot play %1: %2").arg(fileName, QString::fromUtf8(m_library->strerror(played))),
               false);
}

void CanberraSound::report(const QString &problem, bool inTheInstallation)
{
    if (problem == m_reported)
        return;
    m_reported = problem;
    // A machine without sound is common and harmless; a file missing from
    // the program's folder is a broken installation.
    if (inTheInstallation)
        qCWarning(lcDesktop).noquote() << problem;
    else
        qCInfo(lcDesktop).noquote() << problem;
}

} // namespace platform

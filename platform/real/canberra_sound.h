// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound.h"

#include <QString>

#include <memory>

struct ca_context;

namespace platform {

// Plays wave files through the freedesktop sound system (libcanberra). The
// library and the codecs it brings are loaded at the first sound, not at
// start: a clock that never plays one does not carry them.
class CanberraSound final : public Sound {
public:
    // `library` is the file to load; the default finds the system's.
    explicit CanberraSound(QString library = QStringLiteral("libcanberra.so.0"));
    ~CanberraSound() override;
    CanberraSound(const CanberraSound &) = delete;
    CanberraSound &operator=(const CanberraSound &) = delete;

    void playFile(const QString &fileName) override;

private:
    struct Library;
    // Loads the library and opens a context once; false when either failed.
    bool ready();
    void report(const QString &problem, bool inTheInstallation);

    QString m_libraryName;
    std::unique_ptr<Library> m_library;
    bool m_tried = false;
    ca_context *m_context = nullptr;
    QString m_unavailable; // why there is no sound, once known
    QString m_reported;    // the problem logged last, so a silent clock logs it once
};

} // namespace platform

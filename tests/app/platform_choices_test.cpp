// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform_choices.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Puts the test process's variables back as they were, whatever a test did.
class SavedVariable {
public:
    explicit SavedVariable(const char *name) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_value = qgetenv(name);
    }
    ~SavedVariable()
    {
        if (m_value)
            qputenv(m_name, *m_value);
        else
            qunsetenv(m_name);
    }
    void set(const char *value) const { qputenv(m_name, value); }
    void unset() const { qunsetenv(m_name); }

private:
    const char *m_name;
    std::optional<QByteArray> m_value;
};

std::optional<QByteArray> variable(const char *name)
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qgetenv(name);
}

TEST(PlatformChoices, ChosenForQtOnlyThenTakenBackAndTheUsersOwnKept)
{
    const SavedVariable platform("QT_QPA_PLATFORM"), shm("QT_XCB_NO_MITSHM"), wayland("WAYLAND_DISPLAY"),
        session("XDG_SESSION_TYPE");
    const struct {
        const char *name;
        const char *platformBefore; // nullptr: unset
        const char *shmBefore;
        const char *waylandDisplay;
        std::optional<QByteArray> platformForQt, shmForQt;
    } cases[] = {
        {"X11 session", nullptr, nullptr, nullptr, std::nullopt, "1"},
        {"Wayland session", nullptr, nullptr, "wayland-0", "xcb", "1"},
        {"Wayland, the user chose a platform", "wayland", nullptr, "wayland-0", "wayland", "1"},
        {"Wayland, the platform set empty", "", nullptr, "wayland-0", "xcb", "1"},
        {"the user keeps shared memory off", nullptr, "0", nullptr, std::nullopt, "0"},
        {"shared memory set empty", nullptr, "", nullptr, std::nullopt, "1"},
    };
    for (const auto &c : cases) {
        session.unset();
        c.waylandDisplay ? wayland.set(c.waylandDisplay) : wayland.unset();
        c.platformBefore ? platform.set(c.platformBefore) : platform.unset();
        c.shmBefore ? shm.set(c.shmBefore) : shm.unset();

        PlatformChoices choices;
        choices.preferX11UnderWayland();
        choices.preferPlainImageUpload();
        EXPECT_EQ(variable("QT_QPA_PLATFORM"), c.platformForQt) << c.name;
        EXPECT_EQ(variable("QT_XCB_NO_MITSHM"), c.shmForQt) << c.name;

        choices.takeBack();
        const auto asBefore = [](const char *value) { return value ? std::optional<QByteArray>(value) : std::nullopt; };
        EXPECT_EQ(variable("QT_QPA_PLATFORM"), asBefore(c.platformBefore)) << c.name << ": started programs inherit it";
        EXPECT_EQ(variable("QT_XCB_NO_MITSHM"), asBefore(c.shmBefore)) << c.name << ": started programs inherit it";
    }
}

TEST(PlatformChoices, AWaylandSessionTypeAloneAsksForX11)
{
    const SavedVariable platform("QT_QPA_PLATFORM"), wayland("WAYLAND_DISPLAY"), session("XDG_SESSION_TYPE");
    platform.unset();
    wayland.unset();
    session.set("wayland");
    PlatformChoices choices;
    choices.preferX11UnderWayland();
    EXPECT_EQ(variable("QT_QPA_PLATFORM"), QByteArray("xcb"));
    choices.takeBack();
    EXPECT_FALSE(variable("QT_QPA_PLATFORM"));
}

} // namespace

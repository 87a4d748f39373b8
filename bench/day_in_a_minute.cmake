# SPDX-License-Identifier: GPL-3.0-or-later
# The day watcher's own checks: how it reads xrestop, tells local time across a
# clock change and gives its verdicts. The day itself is run by hand.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    add_test(NAME day_watch_test COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/day_in_a_minute/day_watch_test.py)
    set_tests_properties(day_watch_test PROPERTIES ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
endif()

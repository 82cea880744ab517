include(GoogleTest)

# tornelle_add_test(<name> [GUI] [SERIAL] SOURCES <file>... LIBRARIES <target>...)
# Adds one GoogleTest program and registers its tests with CTest. GUI programs get the
# QApplication main, the shared GUI helpers and Qt Test; they need a display to list their
# tests, so listing waits for the test run, and they take the display in turn. SERIAL runs
# each test alone, for tests that move the real cursor and read the screen.
function(tornelle_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GUI;SERIAL" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    set(discovery DISCOVERY_TIMEOUT 60)
    set(properties "")
    if(arg_GUI)
        target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} tornelle_gui_test_support Qt6::Test)
        list(APPEND discovery DISCOVERY_MODE PRE_TEST)
        list(APPEND properties RESOURCE_LOCK display)
        if(TORNELLE_SANITIZE)
            # The GL driver and the toolkit hold allocations for the life of the process that
            # the leak checker cannot trace once the driver is unloaded; address and undefined
            # behaviour errors still end the test.
            list(APPEND properties ENVIRONMENT ASAN_OPTIONS=detect_leaks=0)
        endif()
    else()
        target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
    endif()
    if(arg_SERIAL)
        list(APPEND properties RUN_SERIAL TRUE)
    endif()
    if(properties)
        list(APPEND discovery PROPERTIES ${properties})
    endif()
    gtest_discover_tests(${name} ${discovery})
endfunction()

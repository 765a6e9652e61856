# quarrytide_add_test(NAME name SOURCES ... LIBS ... LABEL core|ui|webengine)
# One executable per test class, registered with CTest and run headless.
function(quarrytide_add_test)
    cmake_parse_arguments(ARG "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_LABEL)
        set(ARG_LABEL core)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE project_options Qt6::Test test_support ${ARG_LIBS})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES
        LABELS ${ARG_LABEL}
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QTWEBENGINE_DISABLE_SANDBOX=1;QUARRYTIDE_SHARED_WHOIS_ANSWERS=${PROJECT_SOURCE_DIR}/../shared/whois-answers")
endfunction()

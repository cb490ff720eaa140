# Runs corvald-calc on typical inputs under several locales and fails when
# any output differs from the one under LC_ALL=C. A locale that is missing
# would quietly fall back to C and compare C with C: each must be installed
# and write its numbers with a decimal comma.
foreach(locale ru_RU.UTF-8 de_DE.UTF-8)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} locale decimal_point
        OUTPUT_VARIABLE point ERROR_VARIABLE complaint OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT point STREQUAL "," OR NOT complaint STREQUAL "")
        message(FATAL_ERROR "the locale ${locale} is not installed (decimal point '${point}')")
    endif()
endforeach()
set(cases
    "--quantity 1000 --temperature 20.0 --density 0.8500"
    "--quantity 850 --temperature 20.0 --density 0.8500 --from mt --json"
    "--quantity 12345.6789 --temperature -18.0 --density 1.0749 --basis air")
foreach(shown IN LISTS cases)
    separate_arguments(args UNIX_COMMAND "${shown}")
    set(reference "")
    foreach(locale C ru_RU.UTF-8 de_DE.UTF-8)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} ${PROGRAM} ${args}
            OUTPUT_VARIABLE output RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "corvald-calc ${shown} under ${locale} exited ${status}")
        endif()
        if(locale STREQUAL "C")
            set(reference "${output}")
        elseif(NOT output STREQUAL reference)
            message(FATAL_ERROR "under ${locale}:\n${output}\ndiffers from LC_ALL=C:\n${reference}")
        endif()
    endforeach()
    message(STATUS "${shown}: same output in every locale")
endforeach()

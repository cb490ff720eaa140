# Runs corvald-calc --csv over the fixed batch of 100,000 rows and fails when
# its output is not byte for byte the output the batch has always given: every
# computed row, every rejected row, in the same order.
set(expected f51f6a86fdebd15e02604a782fe89edc97e875c3fe3a8c832aa0108f21dfb197)
set(rows ${WORK_DIR}/batch_rows.csv)
set(output ${WORK_DIR}/batch_output.csv)
execute_process(COMMAND ${ROWS_PROGRAM} 100000 OUTPUT_FILE ${rows} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "batch_rows exited ${status}")
endif()
execute_process(COMMAND ${PROGRAM} --csv INPUT_FILE ${rows} OUTPUT_FILE ${output}
    RESULT_VARIABLE status)
if(NOT status EQUAL 1) # the batch holds rows that the window rejects
    message(FATAL_ERROR "corvald-calc --csv exited ${status}, not 1")
endif()
file(SHA256 ${output} actual)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "the batch output changed: SHA-256 ${actual}, kept ${expected} (${output})")
endif()

# Runs corvald-calc --csv over the fixed batch of 100,000 rows and fails when
# its output is not byte for byte the output the batch has always given: every
# computed row, every rejected row, in the same order.
set(expected 06cbe0fe5c73690a6e3fd06b7476b9c2d7eb38b1a57a05de63c4e4abb745cc3f)
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

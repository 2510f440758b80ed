# Runs tubrix-cli with ARGS (separated by "|") and checks its exit status and what it writes.
#   cmake -DCLI=... -DARGS=a|b -DEXPECTED_STATUS=64 -DEXPECTED_ERR=regex [-DEXPECTED_OUT=regex] -P
string(REPLACE "|" ";" ARGS "${ARGS}")
execute_process(COMMAND ${CLI} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "status ${status}, expected ${EXPECTED_STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED EXPECTED_ERR AND NOT err MATCHES "${EXPECTED_ERR}")
    message(FATAL_ERROR "stderr does not match '${EXPECTED_ERR}':\n${err}")
endif()
if(DEFINED EXPECTED_OUT AND NOT out MATCHES "${EXPECTED_OUT}")
    message(FATAL_ERROR "stdout does not match '${EXPECTED_OUT}':\n${out}")
endif()

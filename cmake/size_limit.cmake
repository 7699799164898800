# Fails when FILE is larger than LIMIT bytes: cmake -DFILE=... -DLIMIT=... -P size_limit.cmake
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, more than ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} bytes of at most ${LIMIT}")

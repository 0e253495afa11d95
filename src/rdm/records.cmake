# Device requests, device record and the RDM vocabulary.
target_sources(orv_app PRIVATE
    parameterids.h
    vocabulary.h vocabulary.cpp
    standardparameters.h standardparameters.cpp
    sensorrecord.h personalityrecord.h parameterrecord.h
    devicerecord.h devicerecord.cpp
    realtimeclock.h
    devicerequests.cpp
    answerrendering.h answerrendering.cpp
)

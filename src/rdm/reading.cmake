# Reading whole devices into records, shared by the main window and the command line, and the
# record's JSON form.
target_sources(orv_app PRIVATE
    devicereader.h devicereader.cpp
    uidtext.h uidtext.cpp
    recordjson.h recordjson.cpp
)
# Sensor readings over time, shared by the sensors tab and the command line's watch.
target_sources(orv_app PRIVATE sensorhistory.h sensorhistory.cpp)

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConfigEditWindow</name>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="93"/>
        <source>Config file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="103"/>
        <source>Path to SD flash card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="106"/>
        <source>find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="109"/>
        <source>Find SD flash card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="119"/>
        <source>About this programm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="138"/>
        <source>WAV file format setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="147"/>
        <source>WAV compess  type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="149"/>
        <source>Set compression mode for *.wav files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="158"/>
        <source>Sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="160"/>
        <source>Set sample rate for *.wav files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="166"/>
        <source>Bytes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="168"/>
        <source>Result byte rate stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="172"/>
        <source>VAS mode setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="178"/>
        <source>VAS mode enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="180"/>
        <source>Enable/disable begin writing as voice activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="190"/>
        <source>VAS on level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="191"/>
        <source>Level as voice activated writing begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="192"/>
        <source>VAS on time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="193"/>
        <source>Time wait as voice activated writing begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="194"/>
        <source>VAS off level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="195"/>
        <source>Level as voice activated writing stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="196"/>
        <source>VAS off time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="197"/>
        <source>Time wait as voice activated writing stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="213"/>
        <source>Current time setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="219"/>
        <source>Enable time set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="221"/>
        <source>Enable write to SD time set file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="228"/>
        <source>Delete old time set file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="230"/>
        <source>Delete old time set file &lt;time.cfg&gt; and &lt;time.ok&gt; from SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="237"/>
        <source>Enable manual time setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="239"/>
        <source>Enable manual time setting as dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="248"/>
        <source>Set time </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="250"/>
        <source>Time will writing to &lt;time.ini&gt; file to SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="256"/>
        <source>Set date </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="258"/>
        <source>Date will writing to &lt;time.ini&gt; file to SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="261"/>
        <source>Timers enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="267"/>
        <source>Start at timers enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="269"/>
        <source>Enable begin writing as timers event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="274"/>
        <source>Loop write setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="278"/>
        <location filename="../editor/configeditwindow.cpp" line="300"/>
        <location filename="../editor/configeditwindow.cpp" line="320"/>
        <source>disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="279"/>
        <location filename="../editor/configeditwindow.cpp" line="321"/>
        <source>Mb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="283"/>
        <source>Loop size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="285"/>
        <source>File size for loop writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="291"/>
        <source>Loop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="293"/>
        <source>Time loop writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="296"/>
        <source>File limit setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="301"/>
        <source>kb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="305"/>
        <source>Limit min size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="307"/>
        <source>File smaller this size will deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="313"/>
        <source>Limit min time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="315"/>
        <source>Play time for file minimal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="325"/>
        <source>Limit max size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="327"/>
        <source>Writing file this size will stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="333"/>
        <source>Limit max time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="335"/>
        <source>Play time for file maximal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="349"/>
        <source>enable tool tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="352"/>
        <source>Help tool tips enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="361"/>
        <source>Load from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="364"/>
        <source>Load config file from any path and file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="368"/>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="370"/>
        <source>Save config file to any path and file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="375"/>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="377"/>
        <source>Load config file from setting SD card path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="382"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="384"/>
        <source>Write config file to setting SD card path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="34"/>
        <source>Timer %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="44"/>
        <source>unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="45"/>
        <source>Time writing as this timer event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="46"/>
        <location filename="../editor/timerpanel.cpp" line="49"/>
        <location filename="../editor/timerpanel.cpp" line="51"/>
        <location filename="../editor/timerpanel.cpp" line="52"/>
        <source>allways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="47"/>
        <source>Month as timer event wakeup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="49"/>
        <source>Day as timer event wakeup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="51"/>
        <source>Hour as timer event wakeup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="53"/>
        <source>Minute as timer event wakeup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="61"/>
        <source>Enable events from this timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="63"/>
        <source>Timer enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="65"/>
        <source>Write time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="69"/>
        <source>Lenght file writing as this timer event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="71"/>
        <source>File lenght</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="87"/>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="88"/>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="89"/>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="90"/>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="83"/>
        <source>Cannot read %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="87"/>
        <source>Loaded file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="101"/>
        <location filename="../recorder_files/filecommands.cpp" line="115"/>
        <location filename="../recorder_files/filecommands.cpp" line="125"/>
        <source>Cannot write %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="104"/>
        <location filename="../recorder_files/filecommands.cpp" line="130"/>
        <source>Saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="158"/>
        <location filename="../recorder_files/filecommands.cpp" line="160"/>
        <source>File error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlimoAppWindow</name>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="19"/>
        <source>Plimo player configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="25"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="48"/>
        <source>Loading aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="52"/>
        <source>Loaded file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="54"/>
        <source>Cannot read file </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

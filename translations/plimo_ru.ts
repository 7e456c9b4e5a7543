<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConfigEditWindow</name>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="93"/>
        <source>Config file path</source>
        <translation>Путь к файлу настроек</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="103"/>
        <source>Path to SD flash card</source>
        <translation>Путь к SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="106"/>
        <source>find</source>
        <translation>найти</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="109"/>
        <source>Find SD flash card</source>
        <translation>Найти SD-карту</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="119"/>
        <source>About this programm</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="138"/>
        <source>WAV file format setting</source>
        <translation>Формат WAV-файла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="147"/>
        <source>WAV compess  type</source>
        <translation>Тип сжатия WAV</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="149"/>
        <source>Set compression mode for *.wav files</source>
        <translation>Режим сжатия файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="158"/>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="160"/>
        <source>Set sample rate for *.wav files</source>
        <translation>Частота дискретизации файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="166"/>
        <source>Bytes per second</source>
        <translation>Байт в секунду</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="168"/>
        <source>Result byte rate stream</source>
        <translation>Итоговый поток, байт/с</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="172"/>
        <source>VAS mode setting</source>
        <translation>Запись по голосу (VAS)</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="178"/>
        <source>VAS mode enable</source>
        <translation>Включить VAS</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="180"/>
        <source>Enable/disable begin writing as voice activated</source>
        <translation>Включает и выключает запуск записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="190"/>
        <source>VAS on level</source>
        <translation>Порог старта</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="191"/>
        <source>Level as voice activated writing begin</source>
        <translation>Уровень звука, при котором начинается запись</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="192"/>
        <source>VAS on time</source>
        <translation>Задержка старта</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="193"/>
        <source>Time wait as voice activated writing begin</source>
        <translation>Сколько ждать перед началом записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="194"/>
        <source>VAS off level</source>
        <translation>Порог останова</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="195"/>
        <source>Level as voice activated writing stop</source>
        <translation>Уровень звука, при котором запись останавливается</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="196"/>
        <source>VAS off time</source>
        <translation>Задержка останова</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="197"/>
        <source>Time wait as voice activated writing stop</source>
        <translation>Сколько ждать перед остановом записи</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="213"/>
        <source>Current time setting</source>
        <translation>Установка часов</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="219"/>
        <source>Enable time set</source>
        <translation>Устанавливать часы</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="221"/>
        <source>Enable write to SD time set file</source>
        <translation>Записывать на SD-карту файл установки часов</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="228"/>
        <source>Delete old time set file</source>
        <translation>Удалять старый файл часов</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="230"/>
        <source>Delete old time set file &lt;time.cfg&gt; and &lt;time.ok&gt; from SD</source>
        <translation>Удалять с SD-карты старые файлы &lt;time.cfg&gt; и &lt;time.ok&gt;</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="237"/>
        <source>Enable manual time setting</source>
        <translation>Задать время вручную</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="239"/>
        <source>Enable manual time setting as dialog</source>
        <translation>Задавать дату и время вручную в этом окне</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="248"/>
        <source>Set time </source>
        <translation>Время </translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="250"/>
        <source>Time will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Время, которое будет записано в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="256"/>
        <source>Set date </source>
        <translation>Дата </translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="258"/>
        <source>Date will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Дата, которая будет записана в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="261"/>
        <source>Timers enable</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="267"/>
        <source>Start at timers enable</source>
        <translation>Запуск по таймерам</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="269"/>
        <source>Enable begin writing as timers event</source>
        <translation>Начинать запись по событиям таймеров</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="274"/>
        <source>Loop write setting</source>
        <translation>Циклическая запись</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="278"/>
        <location filename="../editor/configeditwindow.cpp" line="300"/>
        <location filename="../editor/configeditwindow.cpp" line="320"/>
        <location filename="../editor/formslots.cpp" line="48"/>
        <source>disable</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="279"/>
        <location filename="../editor/configeditwindow.cpp" line="321"/>
        <location filename="../editor/formslots.cpp" line="51"/>
        <source>Mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="283"/>
        <source>Loop size</source>
        <translation>Размер цикла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="285"/>
        <source>File size for loop writing</source>
        <translation>Размер файла при циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="291"/>
        <source>Loop time</source>
        <translation>Время цикла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="293"/>
        <source>Time loop writing</source>
        <translation>Длительность циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="296"/>
        <source>File limit setting</source>
        <translation>Пределы размера файла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="301"/>
        <source>kb</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="305"/>
        <source>Limit min size</source>
        <translation>Мин. размер</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="307"/>
        <source>File smaller this size will deleted</source>
        <translation>Файлы меньше этого размера удаляются</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="313"/>
        <source>Limit min time</source>
        <translation>Мин. время</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="315"/>
        <source>Play time for file minimal size</source>
        <translation>Длительность звучания файла минимального размера</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="325"/>
        <source>Limit max size</source>
        <translation>Макс. размер</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="327"/>
        <source>Writing file this size will stopped.</source>
        <translation>На этом размере запись файла останавливается.</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="333"/>
        <source>Limit max time</source>
        <translation>Макс. время</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="335"/>
        <source>Play time for file maximal size</source>
        <translation>Длительность звучания файла максимального размера</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="349"/>
        <source>enable tool tip</source>
        <translation>показывать подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="352"/>
        <source>Help tool tips enable</source>
        <translation>Включить всплывающие подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="361"/>
        <source>Load from</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="364"/>
        <source>Load config file from any path and file name</source>
        <translation>Загрузить файл настроек из любой папки и под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="368"/>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="370"/>
        <source>Save config file to any path and file name</source>
        <translation>Сохранить файл настроек в любую папку под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="375"/>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="377"/>
        <source>Load config file from setting SD card path</source>
        <translation>Загрузить файл настроек с заданной SD-карты</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="382"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="384"/>
        <source>Write config file to setting SD card path</source>
        <translation>Записать файл настроек на заданную SD-карту</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="34"/>
        <source>Timer %d</source>
        <translation>Таймер %d</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="45"/>
        <location filename="../editor/formslots.cpp" line="47"/>
        <location filename="../editor/timerpanel.cpp" line="44"/>
        <source>unlimited</source>
        <translation>без лимита</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="87"/>
        <source>About Plimo player configurator</source>
        <translation>О программе «Настройка плеера Plimo»</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="88"/>
        <source>This programm make or change configuration files as SD based voice recorder.
<byte value="xd"/>Written by the Plimo configurator developers.</source>
        <translation>Программа создаёт и изменяет файлы настроек диктофонов с SD-картой.
Авторы — разработчики Plimo configurator.</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="45"/>
        <source>Time writing as this timer event</source>
        <translation>Длительность записи по этому таймеру</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="47"/>
        <location filename="../editor/timerpanel.cpp" line="49"/>
        <location filename="../editor/timerpanel.cpp" line="51"/>
        <location filename="../editor/timerpanel.cpp" line="53"/>
        <source>allways</source>
        <translation>всегда</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="47"/>
        <source>Month as timer event wakeup</source>
        <translation>Месяц срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="49"/>
        <source>Day as timer event wakeup</source>
        <translation>День срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="51"/>
        <source>Hour as timer event wakeup</source>
        <translation>Час срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="53"/>
        <source>Minute as timer event wakeup</source>
        <translation>Минута срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="61"/>
        <source>Enable events from this timer</source>
        <translation>Включить события этого таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="63"/>
        <source>Timer enable</source>
        <translation>Включён</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="65"/>
        <source>Write time</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="69"/>
        <source>Lenght file writing as this timer event</source>
        <translation>Размер файла, записанного по этому таймеру</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="71"/>
        <source>File lenght</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="87"/>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="88"/>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="89"/>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="90"/>
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="84"/>
        <source>Cannot read %1:
%2</source>
        <translation>Не удалось прочитать %1:
%2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="88"/>
        <source>Loaded file </source>
        <translation>Загружен файл </translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="102"/>
        <location filename="../recorder_files/filecommands.cpp" line="116"/>
        <location filename="../recorder_files/filecommands.cpp" line="126"/>
        <source>Cannot write %1:
%2</source>
        <translation>Не удалось записать %1:
%2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="105"/>
        <location filename="../recorder_files/filecommands.cpp" line="131"/>
        <source>Saved and verified: </source>
        <translation>Сохранено и проверено: </translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="159"/>
        <location filename="../recorder_files/filecommands.cpp" line="161"/>
        <source>File error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Timer %1 enable</source>
        <translation>Таймер %1: включён</translation>
    </message>
    <message>
        <source>Timer %1 write time</source>
        <translation>Таймер %1: время записи</translation>
    </message>
    <message>
        <source>Timer %1 day</source>
        <translation>Таймер %1: день</translation>
    </message>
    <message>
        <source>Timer %1 month</source>
        <translation>Таймер %1: месяц</translation>
    </message>
    <message>
        <source>Timer %1 hour</source>
        <translation>Таймер %1: час</translation>
    </message>
    <message>
        <source>Timer %1 minute</source>
        <translation>Таймер %1: минута</translation>
    </message>
</context>
<context>
    <name>PlimoAppWindow</name>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="24"/>
        <source>Plimo player configurator</source>
        <translation>Настройка плеера Plimo</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="30"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="83"/>
        <source>Loading aborted</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="87"/>
        <source>Loaded file </source>
        <translation>Загружен файл </translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="89"/>
        <source>Cannot read file </source>
        <translation>Не удалось прочитать файл </translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="22"/>
        <source>about %1 h</source>
        <translation>около %1 ч</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="23"/>
        <source>about %1 min</source>
        <translation>около %1 мин</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="28"/>
        <source>Card: %1 GB free, %2 at %3 B/s</source>
        <translation>Карта: свободно %1 ГБ, %2 при %3 Б/с</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="96"/>
        <source>Card folder not found</source>
        <translation>Папка карты не найдена</translation>
    </message>
</context>
<context>
    <name>CardPicker</name>
    <message>
        <source>Memory cards</source>
        <translation>Карты памяти</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CardPicker</name>
    <message>
        <location filename="../editor/cardpicker.cpp" line="29"/>
        <source>%1  %2 GB, %3 GB free</source>
        <translation>%1  %2 ГБ, свободно %3 ГБ</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="40"/>
        <source>Memory cards mounted now; choose one to load its config file</source>
        <translation>Подключённые карты памяти; выберите карту, чтобы загрузить её файл конфигурации</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="41"/>
        <source>Memory cards</source>
        <translation>Карты памяти</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="113"/>
        <source>no card found</source>
        <translation>карт не найдено</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="113"/>
        <source>choose a card (%1)</source>
        <translation>выберите карту (%1)</translation>
    </message>
</context>
<context>
    <name>ClockFile</name>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="30"/>
        <source>the configuration file name (CFGname) is empty</source>
        <translation>имя файла конфигурации (CFGname) пустое</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="32"/>
        <source>the clock file name (TimeName) is empty</source>
        <translation>имя файла часов (TimeName) пустое</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="34"/>
        <source>the clock file %1 (TimeName) and the configuration file %2 (CFGname) are one file: saving the clock would remove or overwrite the configuration</source>
        <translation>файл часов %1 (TimeName) и файл конфигурации %2 (CFGname) — один и тот же файл: запись часов удалила бы или перезаписала конфигурацию</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="39"/>
        <source>the configuration file (CFGname) is named %1, which is removed with the old clock files</source>
        <translation>файл конфигурации (CFGname) называется %1, а этот файл удаляется вместе со старыми файлами часов</translation>
    </message>
</context>
<context>
    <name>ConfigEditWindow</name>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="85"/>
        <source>Config file path</source>
        <translation>Путь к файлу настроек</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="95"/>
        <source>Path to SD flash card</source>
        <translation>Путь к SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="99"/>
        <source>find</source>
        <translation>найти</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="102"/>
        <source>Find SD flash card</source>
        <translation>Найти SD-карту</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="111"/>
        <source>About this programm</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="44"/>
        <source>WAV file format setting</source>
        <translation>Формат WAV-файла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="50"/>
        <source>WAV compess  type</source>
        <translation>Тип сжатия WAV</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="51"/>
        <source>Set compression mode for *.wav files</source>
        <translation>Режим сжатия файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="55"/>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="55"/>
        <source>Set sample rate for *.wav files</source>
        <translation>Частота дискретизации файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="59"/>
        <source>Bytes per second</source>
        <translation>Байт в секунду</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="59"/>
        <source>Result byte rate stream</source>
        <translation>Итоговый поток, байт/с</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="66"/>
        <source>VAS mode setting</source>
        <translation>Запись по голосу (VAS)</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="71"/>
        <source>VAS mode enable</source>
        <translation>Включить VAS</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="72"/>
        <source>Enable/disable begin writing as voice activated</source>
        <translation>Включает и выключает запуск записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="81"/>
        <source>VAS on level</source>
        <translation>Порог старта</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="82"/>
        <source>Level as voice activated writing begin</source>
        <translation>Уровень звука, при котором начинается запись</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="83"/>
        <source>VAS on time</source>
        <translation>Задержка старта</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="84"/>
        <source>Time wait as voice activated writing begin</source>
        <translation>Сколько ждать перед началом записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="85"/>
        <source>VAS off level</source>
        <translation>Порог останова</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="86"/>
        <source>Level as voice activated writing stop</source>
        <translation>Уровень звука, при котором запись останавливается</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="87"/>
        <source>VAS off time</source>
        <translation>Задержка останова</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="88"/>
        <source>Time wait as voice activated writing stop</source>
        <translation>Сколько ждать перед остановом записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="99"/>
        <source>Current time setting</source>
        <translation>Установка часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="105"/>
        <source>Enable time set</source>
        <translation>Устанавливать часы</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="106"/>
        <source>Enable write to SD time set file</source>
        <translation>Записывать на SD-карту файл установки часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="111"/>
        <source>Delete old time set file</source>
        <translation>Удалять старый файл часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="112"/>
        <source>Delete old time set file &lt;time.cfg&gt; and &lt;time.ok&gt; from SD</source>
        <translation>Удалять с SD-карты старые файлы &lt;time.cfg&gt; и &lt;time.ok&gt;</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="117"/>
        <source>Enable manual time setting</source>
        <translation>Задать время вручную</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="118"/>
        <source>Enable manual time setting as dialog</source>
        <translation>Задавать дату и время вручную в этом окне</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="130"/>
        <source>Set time </source>
        <translation>Время </translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="131"/>
        <source>Time will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Время, которое будет записано в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="137"/>
        <source>Set date </source>
        <translation>Дата </translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="138"/>
        <source>Date will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Дата, которая будет записана в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="143"/>
        <source>Timers enable</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="148"/>
        <source>Start at timers enable</source>
        <translation>Запуск по таймерам</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="149"/>
        <source>Enable begin writing as timers event</source>
        <translation>Начинать запись по событиям таймеров</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="155"/>
        <source>Loop write setting</source>
        <translation>Циклическая запись</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="49"/>
        <location filename="../editor/settingsgroups.cpp" line="193"/>
        <source>disable</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../editor/daybar.cpp" line="167"/>
        <location filename="../editor/formslots.cpp" line="52"/>
        <location filename="../editor/settingsgroups.cpp" line="158"/>
        <location filename="../editor/settingsgroups.cpp" line="179"/>
        <source>Mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="158"/>
        <source>Loop size</source>
        <translation>Размер цикла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="159"/>
        <source>File size for loop writing</source>
        <translation>Размер файла при циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="162"/>
        <source>Loop time</source>
        <translation>Время цикла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="162"/>
        <source>Time loop writing</source>
        <translation>Длительность циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="167"/>
        <source>File limit setting</source>
        <translation>Пределы размера файла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="171"/>
        <source>kb</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="171"/>
        <source>Limit min size</source>
        <translation>Мин. размер</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="172"/>
        <source>File smaller this size will deleted</source>
        <translation>Файлы меньше этого размера удаляются</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="175"/>
        <source>Limit min time</source>
        <translation>Мин. время</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="176"/>
        <source>Play time for file minimal size</source>
        <translation>Длительность звучания файла минимального размера</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="179"/>
        <source>Limit max size</source>
        <translation>Макс. размер</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="180"/>
        <source>Writing file this size will stopped.</source>
        <translation>На этом размере запись файла останавливается.</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="183"/>
        <source>Limit max time</source>
        <translation>Макс. время</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="184"/>
        <source>Play time for file maximal size</source>
        <translation>Длительность звучания файла максимального размера</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="138"/>
        <source>enable tool tip</source>
        <translation>показывать подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="141"/>
        <source>Help tool tips enable</source>
        <translation>Включить всплывающие подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="164"/>
        <source>Load from</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="165"/>
        <source>Load config file from any path and file name</source>
        <translation>Загрузить файл настроек из любой папки и под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="167"/>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="168"/>
        <source>Save config file to any path and file name</source>
        <translation>Сохранить файл настроек в любую папку под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="170"/>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="171"/>
        <source>Load config file from setting SD card path</source>
        <translation>Загрузить файл настроек с заданной SD-карты</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="71"/>
        <source>The files Save writes</source>
        <translation>Файлы, которые записывает «Сохранить»</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="128"/>
        <source>The form has changes that are not saved.</source>
        <translation>В форме есть несохранённые изменения.</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="135"/>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="157"/>
        <location filename="../editor/configeditwindow.cpp" line="173"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="174"/>
        <source>Not run by the recorder: %1 (day, month, hour and minute are all &quot;allways&quot;)</source>
        <translation>Диктофон не выполнит: %1 (день, месяц, час и минута — все «всегда»)</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="187"/>
        <source>Cannot read file </source>
        <translation>Не удаётся прочитать файл </translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="208"/>
        <source>Details...</source>
        <translation>Подробно...</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="210"/>
        <source>How the recorder reads each line of the loaded file</source>
        <translation>Как диктофон читает каждую строку загруженного файла</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="226"/>
        <source>How the recorder reads %1</source>
        <translation>Как диктофон читает %1</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="174"/>
        <source>Write config file to setting SD card path</source>
        <translation>Записать файл настроек на заданную SD-карту</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="52"/>
        <source>No card path: Save writes into the working folder: %1</source>
        <translation>Путь к карте не задан: «Сохранить» пишет в рабочую папку: %1</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="54"/>
        <source>The card path is empty. Save writes into the working folder:
%1

Write there?</source>
        <translation>Путь к карте пуст. «Сохранить» запишет в рабочую папку:
%1

Записать туда?</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="61"/>
        <source>%1 has no separator at the end: Save writes beside the folder, not into it: %2</source>
        <translation>%1 не оканчивается разделителем: «Сохранить» пишет рядом с папкой, а не в неё: %2</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="65"/>
        <source>The card path %1 names a folder but does not end in a separator, so Save writes beside the folder, not into it:
%2

Write there?</source>
        <translation>Путь к карте %1 указывает на папку, но не оканчивается разделителем, поэтому «Сохранить» запишет рядом с папкой, а не в неё:
%2

Записать туда?</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="69"/>
        <source>Save writes: %1</source>
        <translation>«Сохранить» пишет: %1</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="78"/>
        <source>%1 of %2 lines had no effect</source>
        <translation>%1 из %2 строк не подействовали</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="85"/>
        <source>the last line has no line end and was not read</source>
        <translation>последняя строка не закончена и не прочитана</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="89"/>
        <source>the reading stopped in line %1, the rest was ignored</source>
        <translation>чтение остановилось на строке %1, остальное пропущено</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="94"/>
        <source>Loaded file </source>
        <translation>Загружен файл </translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="106"/>
        <location filename="../editor/timerpanel.cpp" line="106"/>
        <source>Timer %d</source>
        <translation>Таймер %d</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="112"/>
        <source>not run by the recorder</source>
        <translation>диктофон не выполнит</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="46"/>
        <location filename="../editor/formslots.cpp" line="48"/>
        <location filename="../editor/timerpanel.cpp" line="111"/>
        <source>unlimited</source>
        <translation>без лимита</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="88"/>
        <source>About Plimo player configurator</source>
        <translation>О программе «Настройка плеера Plimo»</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="89"/>
        <source>This programm make or change configuration files as SD based voice recorder.
<byte value="xd"/>Written by the Plimo configurator developers.</source>
        <translation>Программа создаёт и изменяет файлы настроек диктофонов с SD-картой.
Авторы — разработчики Plimo configurator.</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="112"/>
        <source>Time writing as this timer event</source>
        <translation>Длительность записи по этому таймеру</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="113"/>
        <location filename="../editor/timerpanel.cpp" line="115"/>
        <location filename="../editor/timerpanel.cpp" line="117"/>
        <location filename="../editor/timerpanel.cpp" line="119"/>
        <source>allways</source>
        <translation>всегда</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="114"/>
        <source>Month as timer event wakeup</source>
        <translation>Месяц срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="116"/>
        <source>Day as timer event wakeup</source>
        <translation>День срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="118"/>
        <source>Hour as timer event wakeup</source>
        <translation>Час срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="120"/>
        <source>Minute as timer event wakeup</source>
        <translation>Минута срабатывания таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="58"/>
        <source>Enable events from this timer</source>
        <translation>Включить события этого таймера</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="60"/>
        <source>Timer enable</source>
        <translation>Включён</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="62"/>
        <source>Write time</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="67"/>
        <source>Lenght file writing as this timer event</source>
        <translation>Размер файла, записанного по этому таймеру</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="69"/>
        <source>File lenght</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="88"/>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="89"/>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="90"/>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="91"/>
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="54"/>
        <source>This card path cannot be kept in the preferences file: %1</source>
        <translation>Этот путь к карте нельзя сохранить в файле настроек: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="80"/>
        <source>Cannot read %1:
%2</source>
        <translation>Не удалось прочитать %1:
%2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="112"/>
        <source>Nothing saved: %1</source>
        <translation>Ничего не сохранено: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="94"/>
        <location filename="../recorder_files/filecommands.cpp" line="118"/>
        <location filename="../recorder_files/filecommands.cpp" line="128"/>
        <source>Cannot write %1:
%2</source>
        <translation>Не удалось записать %1:
%2</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="166"/>
        <source>Saved and verified: </source>
        <translation>Сохранено и проверено: </translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="163"/>
        <location filename="../recorder_files/filecommands.cpp" line="165"/>
        <source>File error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="112"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="38"/>
        <source>Timer %1 enable</source>
        <translation>Таймер %1: включён</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="39"/>
        <source>Timer %1 write time</source>
        <translation>Таймер %1: время записи</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="40"/>
        <source>Timer %1 day</source>
        <translation>Таймер %1: день</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="41"/>
        <source>Timer %1 month</source>
        <translation>Таймер %1: месяц</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="42"/>
        <source>Timer %1 hour</source>
        <translation>Таймер %1: час</translation>
    </message>
    <message>
        <location filename="../editor/timerpanel.cpp" line="43"/>
        <source>Timer %1 minute</source>
        <translation>Таймер %1: минута</translation>
    </message>
    <message>
        <location filename="../recorder_files/configfile.cpp" line="102"/>
        <source>larger than %1 bytes, not a config.ini</source>
        <translation>больше %1 байт, это не config.ini</translation>
    </message>
</context>
<context>
    <name>FilePlatform</name>
    <message>
        <location filename="../app/fileplatform_posix.cpp" line="29"/>
        <source>It is a folder, not a file</source>
        <translation>Это папка, а не файл</translation>
    </message>
    <message>
        <location filename="../app/fileplatform_posix.cpp" line="31"/>
        <source>It is a pipe or socket, not a file</source>
        <translation>Это канал или сокет, а не файл</translation>
    </message>
    <message>
        <location filename="../app/fileplatform_posix.cpp" line="32"/>
        <source>It is a device, not a file</source>
        <translation>Это устройство, а не файл</translation>
    </message>
    <message>
        <location filename="../app/fileplatform_posix.cpp" line="117"/>
        <source>No file name</source>
        <translation>Нет имени файла</translation>
    </message>
</context>
<context>
    <name>PlimoAppWindow</name>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="27"/>
        <source>Plimo player configurator</source>
        <translation>Настройка плеера Plimo</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="35"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="114"/>
        <source>Loading aborted</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="23"/>
        <source>about %1 h</source>
        <translation>около %1 ч</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="24"/>
        <source>about %1 min</source>
        <translation>около %1 мин</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="29"/>
        <source>Card: %1 GB free, %2 at %3 B/s</source>
        <translation>Карта: свободно %1 ГБ, %2 при %3 Б/с</translation>
    </message>
    <message>
        <location filename="../app/cardspace.cpp" line="100"/>
        <source>Card folder not found</source>
        <translation>Папка карты не найдена</translation>
    </message>
</context>
<context>
    <name>PreferenceFile</name>
    <message>
        <location filename="../app/preferencewriter.cpp" line="133"/>
        <source>the code page %1 (CodeTable) has no code for a character of it</source>
        <translation>в кодовой странице %1 (CodeTable) нет кода для одного из его символов</translation>
    </message>
    <message>
        <location filename="../app/preferencewriter.cpp" line="138"/>
        <source>it holds &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>в нём есть «&lt;» или «&gt;»</translation>
    </message>
    <message>
        <location filename="../app/preferencewriter.cpp" line="140"/>
        <source>it holds &quot;*&quot; or &quot;?&quot;</source>
        <translation>в нём есть «*» или «?»</translation>
    </message>
    <message>
        <location filename="../app/preferencewriter.cpp" line="144"/>
        <source>it is longer than %1 bytes</source>
        <translation>он длиннее %1 байт</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="72"/>
        <source>timer %1 never fires: %2 does not exist</source>
        <translation>таймер %1 никогда не сработает: %2 не бывает</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="74"/>
        <source>plus %1 min on %2</source>
        <translation>плюс %1 мин %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="76"/>
        <source> (leap years only)</source>
        <translation> (только в високосные годы)</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="78"/>
        <source>, writes overlap there for %1 min</source>
        <translation>, записи там перекрываются на %1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="211"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="213"/>
        <source>day %1 of every month</source>
        <translation>%1-го числа каждого месяца</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="214"/>
        <source>every day in %1</source>
        <translation>каждый день, месяц %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="223"/>
        <source>timers off: the recorder writes when its key is pressed</source>
        <translation>таймеры выключены: диктофон пишет по нажатию кнопки</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="226"/>
        <source>records %1 min a day, %2 a day</source>
        <translation>записывает %1 мин в день, %2 в день</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="232"/>
        <source>an unlimited write time is counted up to midnight</source>
        <translation>неограниченное время записи считается до полуночи</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="235"/>
        <source>timer %1 fires again while it writes: %2 min a day overlap</source>
        <translation>таймер %1 срабатывает снова во время записи: %2 мин в день перекрываются</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="239"/>
        <source>timers %1 overlap for %2 min a day</source>
        <translation>таймеры %1 перекрываются на %2 мин в день</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="243"/>
        <source>VAS on: at most this much, the recorder writes only while it hears sound</source>
        <translation>VAS включён: не больше этого, диктофон пишет только пока слышит звук</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="246"/>
        <source>loop writing: the recorder writes over its oldest sound once %1 Mb are full, the card does not fill up</source>
        <translation>циклическая запись: заполнив %1 Мб, диктофон пишет поверх самых старых записей, карта не заполняется</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="257"/>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedule.cpp" line="259"/>
        <source>schedule at %1 bytes per second:</source>
        <translation>расписание при %1 байт в секунду:</translation>
    </message>
</context>
<context>
    <name>ScheduleStrip</name>
    <message>
        <location filename="../editor/daybar.cpp" line="174"/>
        <source>Timers over a day</source>
        <translation>Таймеры за сутки</translation>
    </message>
    <message>
        <location filename="../editor/daybar.cpp" line="186"/>
        <source>this card (%1 GB free) does not fill up with these timers</source>
        <translation>эта карта (свободно %1 ГБ) с этими таймерами не заполнится</translation>
    </message>
    <message>
        <location filename="../editor/daybar.cpp" line="188"/>
        <source>this card (%1 GB free) lasts more than 10 years</source>
        <translation>этой карты (свободно %1 ГБ) хватит больше чем на 10 лет</translation>
    </message>
    <message numerus="yes">
        <location filename="../editor/daybar.cpp" line="190"/>
        <source>this card (%1 GB free) is full after %n days</source>
        <translation>
            <numerusform>эта карта (свободно %1 ГБ) заполнится через %n день</numerusform>
            <numerusform>эта карта (свободно %1 ГБ) заполнится через %n дня</numerusform>
            <numerusform>эта карта (свободно %1 ГБ) заполнится через %n дней</numerusform>
        </translation>
    </message>
</context>
</TS>

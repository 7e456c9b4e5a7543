<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BatchCommand</name>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="43"/>
        <source>--clock and --no-clock exclude each other</source>
        <translation>--clock и --no-clock исключают друг друга</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="57"/>
        <source>--clock takes now or a time as %1, not %2</source>
        <translation>--clock принимает now или время в виде %1, а не %2</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="108"/>
        <source>Write the configuration saved in &lt;preset&gt; (a config.ini) to every --to folder, as &quot;save&quot; would; no window is opened.</source>
        <translation>Записать конфигурацию из &lt;preset&gt; (файл config.ini) в каждую папку --to, как это делает «Сохранить»; окно не открывается.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="111"/>
        <source>A card folder to write to; may be given many times.</source>
        <translation>Папка карты, в которую писать; можно указать много раз.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="114"/>
        <source>Write the clock file with this time: now, or &quot;%1&quot; (default: as SetTime says, with the time of each write).</source>
        <translation>Записать файл часов с этим временем: now или «%1» (по умолчанию — как велит SetTime, со временем каждой записи).</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="118"/>
        <source>Write no clock file.</source>
        <translation>Не записывать файл часов.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="120"/>
        <source>Leave the old clock files (time.ok and TimeName) alone.</source>
        <translation>Не трогать старые файлы часов (time.ok и TimeName).</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="122"/>
        <source>Once every card is written, unmount and power off each card written and verified, so that it can be taken out.</source>
        <translation>Когда все карты записаны, отмонтировать и отключить каждую записанную и проверенную карту, чтобы её можно было вынуть.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="125"/>
        <source>Append the rows of this --write to &lt;file&gt; instead of deployments.csv in the user&apos;s data folder; with --inspect and --season, the card&apos;s last write is looked up there.</source>
        <translation>Дописать строки этого --write в &lt;file&gt; вместо deployments.csv в папке данных пользователя; с --inspect и --season последняя запись карты ищется там.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="131"/>
        <source>Compare the config.ini of every --to folder with &lt;preset&gt;, setting by setting; nothing is written.</source>
        <translation>Сравнить config.ini каждой папки --to с &lt;preset&gt; настройку за настройкой; ничего не записывается.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="135"/>
        <source>Report what is on the card in &lt;folder&gt;: config.ini, free space, clock file and recordings.</source>
        <translation>Сообщить, что есть на карте в &lt;folder&gt;: config.ini, свободное место, файл часов и записи.</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="163"/>
        <source>%1 recordings not collected</source>
        <translation>не собрано записей: %1</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="212"/>
        <source>%1 not recorded in %2: %3</source>
        <translation>%1 не записано в %2: %3</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="248"/>
        <source>--check, --write, --verify and --inspect exclude each other</source>
        <translation>--check, --write, --verify и --inspect исключают друг друга</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="251"/>
        <source>--clock, --no-clock, --keep-old-clock and --eject go with --write</source>
        <translation>--clock, --no-clock, --keep-old-clock и --eject используются вместе с --write</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="253"/>
        <source>--record goes with --write or --inspect</source>
        <translation>--record используется вместе с --write или --inspect</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="255"/>
        <source>--to goes with --write or --verify</source>
        <translation>--to используется вместе с --write или --verify</translation>
    </message>
    <message>
        <location filename="../commandline/batchcommand.cpp" line="257"/>
        <source>--write and --verify need at least one --to folder</source>
        <translation>--write и --verify требуют хотя бы одну папку --to</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="97"/>
        <source>the card is full</source>
        <translation>карта заполнена</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="88"/>
        <source>the folder cannot be read</source>
        <translation>папку не удаётся прочитать</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="82"/>
        <source>empty folder name</source>
        <translation>пустое имя папки</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="84"/>
        <source>no such folder</source>
        <translation>нет такой папки</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="86"/>
        <source>not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="111"/>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="125"/>
        <source>%1 written; cannot remove %2: %3</source>
        <translation>%1 записан; не удаётся удалить %2: %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="126"/>
        <source>%1 written; cannot write %2: %3</source>
        <translation>%1 записан; не удаётся записать %2: %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="147"/>
        <source>nothing written: every line of %1 must take effect</source>
        <translation>ничего не записано: каждая строка %1 должна действовать</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="163"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="156"/>
        <source>%1 is larger than %2 bytes: not a config.ini</source>
        <translation>%1 больше %2 байт: это не config.ini</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="191"/>
        <source>nothing written: %1</source>
        <translation>ничего не записано: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/batchwrite.cpp" line="236"/>
        <source>the same folder as %1</source>
        <translation>та же папка, что и %1</translation>
    </message>
</context>
<context>
    <name>CardPicker</name>
    <message>
        <location filename="../editor/cardpicker.cpp" line="119"/>
        <source>%1 was removed; the path now points at the computer&apos;s disk</source>
        <translation>%1 извлечена; путь теперь указывает на диск компьютера</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="146"/>
        <source>%1 is unmounted; take the card out</source>
        <translation>%1 отключена; выньте карту</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="34"/>
        <source>%1  %2 GB, %3 free</source>
        <translation>%1  %2 ГБ, свободно %3</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="44"/>
        <source>Memory cards mounted now; choose one to load its config file</source>
        <translation>Подключённые карты памяти; выберите карту, чтобы загрузить её файл конфигурации</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="45"/>
        <source>Memory cards</source>
        <translation>Карты памяти</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="56"/>
        <source>Eject</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="59"/>
        <source>Unmount the card of the config file path and power it off, to take it out safely</source>
        <translation>Отмонтировать карту, на которой лежит файл настроек, и отключить её питание, чтобы безопасно вынуть</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="135"/>
        <source>Ejecting %1 ...</source>
        <translation>Извлечение %1 ...</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="147"/>
        <source>%1 can be removed now</source>
        <translation>%1 можно вынимать</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="145"/>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 нельзя извлечь: %2</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="250"/>
        <source>no card found</source>
        <translation>карт не найдено</translation>
    </message>
    <message>
        <location filename="../editor/cardpicker.cpp" line="250"/>
        <source>choose a card (%1)</source>
        <translation>выберите карту (%1)</translation>
    </message>
</context>
<context>
    <name>CardReport</name>
    <message>
        <location filename="../recorder_files/interruptedwrites.cpp" line="23"/>
        <source>left by an interrupted write: %1</source>
        <translation>осталось от прерванной записи: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="47"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="108"/>
        <source>%1: skipped: %2</source>
        <translation>%1: пропущен: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="129"/>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="139"/>
        <source>1 recording</source>
        <translation>1 запись</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="140"/>
        <source>%1 recordings</source>
        <translation>записей: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="165"/>
        <source>%1: none on the card</source>
        <translation>%1: на карте нет</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="171"/>
        <source>%1: cannot read it: %2</source>
        <translation>%1: не удаётся прочитать: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="192"/>
        <source>no config.ini to tell when it is full</source>
        <translation>нет config.ini, чтобы сказать, когда карта заполнится</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="206"/>
        <source>clock set: %1 present</source>
        <translation>часы установлены: %1 есть</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="207"/>
        <source>no clock file</source>
        <translation>нет файла часов</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="214"/>
        <source>recordings: none</source>
        <translation>записи: нет</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="215"/>
        <source>recordings: %1, %2 bytes, playing %3, oldest %4, newest %5</source>
        <translation>записи: %1, %2 байт, звучание %3, самая старая %4, самая новая %5</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="228"/>
        <source>more files not counted</source>
        <translation>остальные файлы не подсчитаны</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="258"/>
        <source>card %1</source>
        <translation>карта %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="261"/>
        <source>cannot read the card folder: %1</source>
        <translation>не удаётся прочитать папку карты: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="273"/>
        <source>free space: %1 GB (%2 bytes), %3</source>
        <translation>свободно: %1 ГБ (%2 байт), %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="279"/>
        <source>free space: unknown</source>
        <translation>свободно: неизвестно</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="281"/>
        <source>clock: %1</source>
        <translation>часы: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="66"/>
        <source>its name is not valid UTF-8</source>
        <translation>его имя — недопустимый UTF-8</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="59"/>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="131"/>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="127"/>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="143"/>
        <source>%1 unreadable</source>
        <translation>нечитаемых: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="221"/>
        <source>; %1 unreadable</source>
        <translation>; нечитаемых: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="202"/>
        <source>, not the time now</source>
        <translation>, это не текущее время</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardreport.cpp" line="203"/>
        <source> (no %1)</source>
        <translation> (нет %1)</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardfiles.cpp" line="34"/>
        <source>%1: the folder cannot be read</source>
        <translation>%1: папку не удаётся прочитать</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardfiles.cpp" line="91"/>
        <source>a link, not followed</source>
        <translation>ссылка, не открывается</translation>
    </message>
</context>
<context>
    <name>CardTarget</name>
    <message>
        <location filename="../card/cardtarget.cpp" line="50"/>
        <source>not a card: on the computer&apos;s own disk (%1)</source>
        <translation>не карта: на собственном диске компьютера (%1)</translation>
    </message>
    <message>
        <location filename="../card/cardtarget.cpp" line="53"/>
        <source>not a card: on %1 (%2)</source>
        <translation>не карта: на %1 (%2)</translation>
    </message>
    <message>
        <location filename="../card/cardtarget.cpp" line="56"/>
        <source>a folder inside the card %1 (%2): the recorder reads only the card&apos;s top folder</source>
        <translation>папка внутри карты %1 (%2): диктофон читает только верхнюю папку карты</translation>
    </message>
    <message numerus="yes">
        <location filename="../card/cardtarget.cpp" line="77"/>
        <source>full after %n days with %1 free</source>
        <translation>
            <numerusform>заполнится через %n день, свободно %1</numerusform>
            <numerusform>заполнится через %n дня, свободно %1</numerusform>
            <numerusform>заполнится через %n дней, свободно %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="126"/>
        <source>larger than %1 bytes</source>
        <translation>больше %1 байт</translation>
    </message>
</context>
<context>
    <name>CardVerify</name>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="26"/>
        <source>on</source>
        <translation>вкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="26"/>
        <source>off</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="31"/>
        <source>disable</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="37"/>
        <location filename="../recorder_files/cardverify.cpp" line="43"/>
        <source>item %1</source>
        <translation>пункт %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="65"/>
        <source>unlimited</source>
        <translation>без лимита</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="65"/>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="76"/>
        <source>%1 %2 (preset) / %3 (card)</source>
        <translation>%1 %2 (образец) / %3 (карта)</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="78"/>
        <source>%1 %2 / %3</source>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="87"/>
        <location filename="../recorder_files/cardverify.cpp" line="171"/>
        <source>timer %1</source>
        <translation>таймер %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="91"/>
        <source>timer %1 date</source>
        <translation>таймер %1: дата</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="92"/>
        <source>timer %1 start</source>
        <translation>таймер %1: начало</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="93"/>
        <source>timer %1 length</source>
        <translation>таймер %1: длительность</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="102"/>
        <source>sample rate</source>
        <translation>частота дискретизации</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="104"/>
        <source>wav type</source>
        <translation>тип WAV</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="106"/>
        <location filename="../recorder_files/cardverify.cpp" line="132"/>
        <source>VAS</source>
        <translation>VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="108"/>
        <source>VAS on level</source>
        <translation>порог старта VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="110"/>
        <source>VAS on time</source>
        <translation>задержка старта VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="112"/>
        <source>VAS off level</source>
        <translation>порог останова VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="114"/>
        <source>VAS off time</source>
        <translation>задержка останова VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="117"/>
        <source>loop size</source>
        <translation>размер цикла</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="118"/>
        <source>limit max</source>
        <translation>макс. размер</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="119"/>
        <source>limit min</source>
        <translation>мин. размер</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="120"/>
        <location filename="../recorder_files/cardverify.cpp" line="137"/>
        <source>timers</source>
        <translation>таймеры</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="131"/>
        <source>sample rate and type</source>
        <translation>частота и тип записи</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="133"/>
        <source>VAS on level and time</source>
        <translation>уровень и время включения VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="134"/>
        <source>VAS off level and time</source>
        <translation>уровень и время выключения VAS</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="135"/>
        <source>loop</source>
        <translation>кольцевая запись</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="136"/>
        <source>limits</source>
        <translation>пределы файлов</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="242"/>
        <source>not in the card&apos;s file: %1</source>
        <translation>нет в файле карты: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="245"/>
        <source>not in the preset&apos;s file: %1</source>
        <translation>нет в файле заготовки: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="266"/>
        <location filename="../recorder_files/cardverify.cpp" line="275"/>
        <source>line %1 %2: %3</source>
        <translation>строка %1 %2: %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="279"/>
        <source>no settings in the file</source>
        <translation>в файле нет настроек</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="296"/>
        <source>no %1</source>
        <translation>нет %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="304"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="330"/>
        <source>cannot read the preset %1: %2</source>
        <translation>не удаётся прочитать образец %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/cardverify.cpp" line="340"/>
        <source>nothing compared: every line of %1 must take effect</source>
        <translation>ничего не сравнено: каждая строка %1 должна действовать</translation>
    </message>
</context>
<context>
    <name>CardsView</name>
    <message>
        <location filename="../app/cardsview.cpp" line="56"/>
        <source>no recordings</source>
        <translation>нет записей</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="58"/>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="62"/>
        <source>all collected</source>
        <translation>все собраны</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="64"/>
        <source>%1 not collected</source>
        <translation>не собрано: %1</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="76"/>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="103"/>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="106"/>
        <source>Cards in the readers</source>
        <translation>Карты в картридерах</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="112"/>
        <source>Card</source>
        <translation>Карта</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="112"/>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="112"/>
        <source>Space</source>
        <translation>Место</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="112"/>
        <source>Recordings</source>
        <translation>Записи</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="113"/>
        <source>config.ini</source>
        <translation>config.ini</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="113"/>
        <source>Progress</source>
        <translation>Ход</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="129"/>
        <source>Summary</source>
        <translation>Итог</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="154"/>
        <source>&amp;All</source>
        <translation>&amp;Все</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="154"/>
        <source>Tick every card</source>
        <translation>Отметить все карты</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="156"/>
        <source>&amp;None</source>
        <translation>&amp;Ни одной</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="156"/>
        <source>Untick every card</source>
        <translation>Снять отметку со всех карт</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="160"/>
        <source>&amp;Write the form</source>
        <translation>&amp;Записать форму</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="161"/>
        <source>Write what Save writes, the clock as Save sets it, to every ticked card; each card read back and recorded</source>
        <translation>Записать на каждую отмеченную карту то же, что пишет «Сохранить», и часы так, как их ставит «Сохранить»; каждая карта читается обратно и заносится в журнал</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="163"/>
        <source>&amp;Verify against the form</source>
        <translation>&amp;Сверить с формой</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="164"/>
        <source>Compare the config.ini of every ticked card with the form, setting by setting; nothing is written</source>
        <translation>Сравнить config.ini каждой отмеченной карты с формой настройку за настройкой; ничего не записывается</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="166"/>
        <source>&amp;Collect...</source>
        <translation>С&amp;обрать...</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="167"/>
        <source>Copy the recordings and files of every ticked card, each copy checked, into one archive folder</source>
        <translation>Скопировать записи и файлы каждой отмеченной карты в одну папку архива, проверяя каждую копию</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="169"/>
        <source>&amp;Eject</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="170"/>
        <source>Unmount every ticked card and power its reader off</source>
        <translation>Отмонтировать каждую отмеченную карту и отключить питание её картридера</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="177"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="178"/>
        <source>Leave the cards not begun; those under way finish</source>
        <translation>Не начинать оставшиеся карты; начатые будут доделаны</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="180"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="217"/>
        <source>%1 GB, %2 free</source>
        <translation>%1 ГБ, свободно %2</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="265"/>
        <source>Progress of %1</source>
        <translation>Ход работы: %1</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="267"/>
        <source>No longer mounted</source>
        <translation>Больше не подключена</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="305"/>
        <source>DIFFERS: 1 setting</source>
        <translation>DIFFERS: 1 настройка</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="305"/>
        <source>DIFFERS: %n settings</source>
        <translation>
            <numerusform>DIFFERS: %n настройка</numerusform>
            <numerusform>DIFFERS: %n настройки</numerusform>
            <numerusform>DIFFERS: %n настроек</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="337"/>
        <source>No card is ticked.</source>
        <translation>Не отмечено ни одной карты.</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="362"/>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="367"/>
        <source>Working...</source>
        <translation>Выполняется...</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="383"/>
        <source>working</source>
        <translation>выполняется</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="447"/>
        <source>not begun</source>
        <translation>не начата</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="472"/>
        <source>%n written</source>
        <translation>
            <numerusform>%n карта записана</numerusform>
            <numerusform>%n карты записаны</numerusform>
            <numerusform>%n карт записано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="472"/>
        <location filename="../app/cardsview.cpp" line="473"/>
        <location filename="../app/cardsview.cpp" line="474"/>
        <source>%n failed</source>
        <translation>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="473"/>
        <source>%n same</source>
        <translation>
            <numerusform>%n карта совпадает</numerusform>
            <numerusform>%n карты совпадают</numerusform>
            <numerusform>%n карт совпадают</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="473"/>
        <source>%n differing</source>
        <translation>
            <numerusform>%n отличается</numerusform>
            <numerusform>%n отличаются</numerusform>
            <numerusform>%n отличаются</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="474"/>
        <source>%n collected</source>
        <translation>
            <numerusform>%n карта собрана</numerusform>
            <numerusform>%n карты собраны</numerusform>
            <numerusform>%n карт собрано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="475"/>
        <source>%n ejected</source>
        <translation>
            <numerusform>%n карта извлечена</numerusform>
            <numerusform>%n карты извлечены</numerusform>
            <numerusform>%n карт извлечено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="475"/>
        <source>%n not ejected</source>
        <translation>
            <numerusform>%n не извлечена</numerusform>
            <numerusform>%n не извлечены</numerusform>
            <numerusform>%n не извлечено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/cardsview.cpp" line="484"/>
        <source>%n not begun</source>
        <translation>
            <numerusform>%n не начата</numerusform>
            <numerusform>%n не начаты</numerusform>
            <numerusform>%n не начато</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="503"/>
        <source>Nothing written: %1</source>
        <translation>Ничего не записано: %1</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="524"/>
        <source>Not recorded in %1: %2</source>
        <translation>Не записано в %1: %2</translation>
    </message>
    <message>
        <location filename="../app/cardsview.cpp" line="577"/>
        <source>Not recorded in collections.csv: %1</source>
        <translation>Не записано в collections.csv: %1</translation>
    </message>
</context>
<context>
    <name>ClearCard</name>
    <message>
        <location filename="../commandline/clearcard.cpp" line="31"/>
        <source>cleared nothing</source>
        <translation>ничего не удалено</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="32"/>
        <source>cleared %1 recordings, %2 GB</source>
        <translation>удалено записей: %1, %2 ГБ</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="33"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="41"/>
        <source>changed on the card since it was copied</source>
        <translation>изменён на карте после копирования</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="42"/>
        <source>cannot be read again: %1</source>
        <translation>не удаётся прочитать повторно: %1</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="46"/>
        <source>%1 is not listed in its SHA256SUMS</source>
        <translation>%1 не указан в своём SHA256SUMS</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="48"/>
        <source>its copy %1 differs from it</source>
        <translation>его копия %1 отличается от него</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="49"/>
        <source>its copy %1 cannot be read: %2</source>
        <translation>его копию %1 не удаётся прочитать: %2</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="60"/>
        <source>the card cannot be written</source>
        <translation>на карту не удаётся записать</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="75"/>
        <source>%1: %2; kept on the card</source>
        <translation>%1: %2; оставлен на карте</translation>
    </message>
    <message>
        <location filename="../commandline/clearcard.cpp" line="82"/>
        <source>cannot remove %1 from the card: %2</source>
        <translation>не удаётся удалить %1 с карты: %2</translation>
    </message>
</context>
<context>
    <name>ClockFile</name>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="32"/>
        <source>the clock file holds the year in two digits, so only the years %1 to %2 can be written</source>
        <translation>в файле часов год записан двумя цифрами, поэтому записать можно только годы с %1 по %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="47"/>
        <source>the configuration file name (CFGname) is empty</source>
        <translation>имя файла конфигурации (CFGname) пустое</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="49"/>
        <source>the clock file name (TimeName) is empty</source>
        <translation>имя файла часов (TimeName) пустое</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="51"/>
        <source>the clock file %1 (TimeName) and the configuration file %2 (CFGname) are one file: saving the clock would remove or overwrite the configuration</source>
        <translation>файл часов %1 (TimeName) и файл конфигурации %2 (CFGname) — один и тот же файл: запись часов удалила бы или перезаписала конфигурацию</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="56"/>
        <source>the configuration file (CFGname) is named %1, which is removed with the old clock files</source>
        <translation>файл конфигурации (CFGname) называется %1, а этот файл удаляется вместе со старыми файлами часов</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="146"/>
        <source>%1 waiting: cannot read it: %2</source>
        <translation>%1 ждёт: не удаётся прочитать: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="148"/>
        <source>%1 waiting: it holds no date and time the recorder reads</source>
        <translation>%1 ждёт: в нём нет даты и времени, которые диктофон прочтёт</translation>
    </message>
    <message>
        <location filename="../recorder_files/clockfile.cpp" line="150"/>
        <source>%1 waiting: %2, the recorder will set its clock to it</source>
        <translation>%1 ждёт: %2, диктофон установит по нему свои часы</translation>
    </message>
</context>
<context>
    <name>CollectCard</name>
    <message>
        <location filename="../commandline/collectcard.cpp" line="109"/>
        <source>%1: another file has this name in the archive; %2 as %3</source>
        <translation>%1: в архиве уже есть другой файл с этим именем; %2 как %3</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="112"/>
        <source>collected</source>
        <translation>собран</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="111"/>
        <source>already collected</source>
        <translation>уже собран</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="124"/>
        <location filename="../commandline/collectcard.cpp" line="142"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="127"/>
        <source>cannot collect %1 into the archive: %2</source>
        <translation>не удаётся собрать %1 в архив: %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="288"/>
        <source>%1 of %2 files collected into %3</source>
        <translation>собрано файлов: %1 из %2 в %3</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="282"/>
        <location filename="../commandline/collectcard.cpp" line="290"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="62"/>
        <source>a link, not collected</source>
        <translation>ссылка, не собрана</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="64"/>
        <source>a pipe or socket, not collected</source>
        <translation>канал или сокет, не собран</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="66"/>
        <source>a device, not collected</source>
        <translation>устройство, не собрано</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="108"/>
        <source>%1: the name is too long for the archive; %2 as %3</source>
        <translation>%1: имя слишком длинное для архива; %2 как %3</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="118"/>
        <source>the card went away after %1 of %2 files</source>
        <translation>карта пропала после %1 из %2 файлов</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="292"/>
        <source>stopped: %1 of %2 files collected; run the same command again to finish</source>
        <translation>остановлено: собрано %1 из %2 файлов; чтобы закончить, запустите ту же команду снова</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="296"/>
        <source>cancelled; %1</source>
        <translation>отменено; %1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="300"/>
        <source>no recordings</source>
        <translation>нет записей</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="301"/>
        <source>%1, %2 GB into %3</source>
        <translation>%1, %2 ГБ в %3</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="310"/>
        <source>%1 of %2 files already collected</source>
        <translation>%1 из %2 файлов уже собраны</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="315"/>
        <source>%1 already in the archive (collected %2)</source>
        <translation>уже в архиве: %1 (собраны %2)</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="319"/>
        <source>between %1 and %2</source>
        <translation>между %1 и %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="326"/>
        <source>no archive folder given</source>
        <translation>папка архива не указана</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="332"/>
        <source>the archive %1 is on the card&apos;s own volume: collect onto another disk</source>
        <translation>архив %1 находится на самой карте: собирайте на другой диск</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="335"/>
        <source>cannot create the archive folder %1</source>
        <translation>не удаётся создать папку архива %1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="337"/>
        <source>the archive %1 is not a folder</source>
        <translation>архив %1 — не папка</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="339"/>
        <source>cannot write into the archive folder %1</source>
        <translation>нет права записи в папку архива %1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="539"/>
        <source>waiting: another collect of this card into %1 is under way</source>
        <translation>ожидание: в %1 уже идёт другой сбор этой карты</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="546"/>
        <source>cannot use the folder %1: %2</source>
        <translation>не удаётся использовать папку %1: %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="435"/>
        <source>cannot write SHA256SUMS: %1</source>
        <translation>не удаётся записать SHA256SUMS: %1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="437"/>
        <source>cannot write recordings.csv: %1</source>
        <translation>не удаётся записать recordings.csv: %1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="509"/>
        <source>another card has the name %1 in the archive: this one is %2</source>
        <translation>в архиве имя %1 уже носит другая карта: эта карта — %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcard.cpp" line="531"/>
        <source>more files than a card report looks at: not all collected</source>
        <translation>файлов больше, чем просматривает отчёт о карте: собраны не все</translation>
    </message>
</context>
<context>
    <name>CollectCommand</name>
    <message>
        <location filename="../commandline/collectcommand.cpp" line="73"/>
        <source>%1 not recorded: %2</source>
        <translation>%1 не записано в журнал: %2</translation>
    </message>
    <message>
        <location filename="../commandline/collectcommand.cpp" line="100"/>
        <source>Copy the recordings and every other file of each --from card folder into &lt;archive&gt;/&lt;card&gt;/&lt;date&gt;/, each copy read back and checked against its SHA-256; recordings an earlier collection of the card holds (the same bytes) are not copied again. The card is only read.</source>
        <translation>Скопировать записи и все остальные файлы каждой папки карты --from в &lt;archive&gt;/&lt;card&gt;/&lt;date&gt;/, прочитав каждую копию заново и сверив её SHA-256; записи, которые уже есть в прежнем сборе с этой карты (те же байты), заново не копируются. Карта только читается.</translation>
    </message>
    <message>
        <location filename="../commandline/collectcommand.cpp" line="113"/>
        <source>--collect goes with --from only, not with --%1</source>
        <translation>--collect идёт только с --from, не с --%1</translation>
    </message>
    <message>
        <location filename="../commandline/collectcommand.cpp" line="117"/>
        <source>--collect needs at least one --from card folder</source>
        <translation>--collect нужна хотя бы одна папка карты --from</translation>
    </message>
    <message>
        <location filename="../commandline/collectcommand.cpp" line="146"/>
        <source>the same card as %1</source>
        <translation>та же карта, что и %1</translation>
    </message>
</context>
<context>
    <name>CollectWindow</name>
    <message>
        <location filename="../app/collectwindow.cpp" line="39"/>
        <location filename="../app/collectwindow.cpp" line="45"/>
        <source>Archive folder for the recordings</source>
        <translation>Папка архива для записей</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="49"/>
        <source>Clear the card&apos;s recordings once their copies are verified</source>
        <translation>Удалить записи с карты, когда их копии проверены</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="53"/>
        <source>Each recording whose copy in the archive is read back and matches leaves the card; config.ini, time.ini, other files and anything not collected stay</source>
        <translation>С карты удаляется каждая запись, копия которой в архиве прочитана заново и совпала; config.ini, time.ini, другие файлы и всё несобранное остаются</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="81"/>
        <source>Collecting the recordings of %1 into %2...</source>
        <translation>Сбор записей с %1 в %2...</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="82"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="84"/>
        <source>Collect recordings</source>
        <translation>Сбор записей</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="123"/>
        <source>%1 of %2 files, %3 GB</source>
        <translation>%1 из %2 файлов, %3 ГБ</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="128"/>
        <source>Copied now: %1</source>
        <translation>Скопировано сейчас: %1</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="129"/>
        <source>Already in the archive: %1</source>
        <translation>Уже в архиве: %1</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="131"/>
        <source>Kept on the card: everything (clearing was not asked for)</source>
        <translation>Осталось на карте: всё (удаление не выбрано)</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="134"/>
        <source>Cleared from the card: %1 of %2 recordings, %3 GB</source>
        <translation>Удалено с карты: %1 из %2 записей, %3 ГБ</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="138"/>
        <source>Kept on the card: %1 of %2 files</source>
        <translation>Осталось на карте: %1 из %2 файлов</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="151"/>
        <source>Not recorded in collections.csv: %1</source>
        <translation>Не записано в collections.csv: %1</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="197"/>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <location filename="../app/collectwindow.cpp" line="222"/>
        <source>Collect recordings of %1</source>
        <translation>Сбор записей с %1</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <location filename="../commandline/arguments.cpp" line="180"/>
        <source>--free goes with --check, --from with --free</source>
        <translation>--free используется вместе с --check, --from — вместе с --free</translation>
    </message>
    <message>
        <location filename="../commandline/arguments.cpp" line="190"/>
        <source>--free takes bytes or a number with kB, MB, GB, KiB, MiB or GiB, not %1</source>
        <translation>--free принимает байты или число с kB, MB, GB, KiB, MiB или GiB, а не %1</translation>
    </message>
    <message>
        <location filename="../commandline/arguments.cpp" line="196"/>
        <source>--from takes a date as YYYY-MM-DD, not %1</source>
        <translation>--from принимает дату в виде YYYY-MM-DD, а не %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="32"/>
        <source>%1 samples per second (item %2)</source>
        <translation>%1 отсчётов в секунду (пункт %2)</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="41"/>
        <source>%1 (item %2)</source>
        <translation>%1 (пункт %2)</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="47"/>
        <source>disable</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="58"/>
        <source>on</source>
        <translation>вкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="58"/>
        <source>off</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="66"/>
        <source>sets sample rate to %1</source>
        <translation>задаёт частоту дискретизации %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="68"/>
        <source>sets wav type to %1</source>
        <translation>задаёт тип WAV %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="70"/>
        <source>switches VAS %1</source>
        <translation>VAS: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="72"/>
        <source>sets VAS on level to %1</source>
        <translation>задаёт порог старта VAS %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="74"/>
        <source>sets VAS off level to %1</source>
        <translation>задаёт порог останова VAS %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="76"/>
        <source>sets VAS on time to %1</source>
        <translation>задаёт задержку старта VAS %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="78"/>
        <source>sets VAS off time to %1</source>
        <translation>задаёт задержку останова VAS %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="80"/>
        <source>switches loop writing off</source>
        <translation>выключает циклическую запись</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="81"/>
        <source>sets loop size to %1 Mb</source>
        <translation>задаёт размер цикла %1 МБ</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="83"/>
        <source>sets limit max to %1</source>
        <translation>задаёт макс. размер %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="85"/>
        <source>sets limit min to %1</source>
        <translation>задаёт мин. размер %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="87"/>
        <source>switches timers %1</source>
        <translation>таймеры: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="89"/>
        <source>switches timer %1 %2</source>
        <translation>таймер %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="91"/>
        <source>sets timer %1 %2 to %3</source>
        <translation>задаёт таймеру %1 %2 = %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="103"/>
        <source>sets sample rate to %1 and wav type to %2</source>
        <translation>задаёт частоту дискретизации %1 и тип WAV %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="106"/>
        <source>sets VAS on level to %1 and VAS on time to %2</source>
        <translation>задаёт порог старта VAS %1 и задержку старта VAS %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="108"/>
        <source>sets VAS off level to %1 and VAS off time to %2</source>
        <translation>задаёт порог останова VAS %1 и задержку останова VAS %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="112"/>
        <source>sets limit max to %1 and limit min to %2</source>
        <translation>задаёт макс. размер %1 и мин. размер %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="135"/>
        <source>unlimited</source>
        <translation>без лимита</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="135"/>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="136"/>
        <source>switches timer %1 on: %2, %3</source>
        <translation>включает таймер %1: %2, %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="162"/>
        <source>unknown keyword %1</source>
        <translation>неизвестное ключевое слово %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="165"/>
        <source>lower-case %1: keywords are case-sensitive</source>
        <translation>%1 строчными буквами: регистр в ключевых словах важен</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="166"/>
        <source>%1 is not %2: keywords are case-sensitive</source>
        <translation>%1 — не %2: регистр в ключевых словах важен</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="169"/>
        <source>unknown value %1: expected %2</source>
        <translation>неизвестное значение %1: ожидалось %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="174"/>
        <source>the line ends at column %1</source>
        <translation>строка кончается на позиции %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="175"/>
        <source>cannot read %1 at column %2</source>
        <translation>не удаётся прочитать %1 на позиции %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="176"/>
        <source>%1, expected %2</source>
        <translation>%1, ожидалось %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="179"/>
        <source>value %1 above %2 for %3</source>
        <translation>значение %1 больше %2 для %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="184"/>
        <source>loop size 0 is not accepted: Loop=none switches loop writing off</source>
        <translation>размер цикла 0 не принимается: циклическую запись выключает Loop=none</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="186"/>
        <source>unknown sample-rate code %1: expected %2</source>
        <translation>неизвестный код частоты дискретизации %1: ожидалось %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="189"/>
        <source>timer %1 does not exist</source>
        <translation>таймера %1 нет</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="191"/>
        <source>%1 lines are ignored</source>
        <translation>строки %1 пропускаются</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="210"/>
        <source>%1; %2 after the number is ignored</source>
        <translation>%1; %2 после числа пропущено</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="212"/>
        <source>%1; wav type unchanged: unknown type word %2, expected %3</source>
        <translation>%1; тип WAV не изменён: неизвестное слово типа %2, ожидалось %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="215"/>
        <source>%1 %2 out of range: timer %3 switched off</source>
        <translation>%1 %2 вне диапазона: таймер %3 выключен</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="220"/>
        <source>every date and time field is &apos;*&apos;: timer %1 switched off</source>
        <translation>все поля даты и времени — «*»: таймер %1 выключен</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="222"/>
        <location filename="../recorder_files/configexplain.cpp" line="248"/>
        <source>no effect: %1</source>
        <translation>не действует: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="230"/>
        <source>the sample-rate list of the preferences (HSample) has no item %1</source>
        <translation>в списке частот дискретизации из настроек программы (HSample) нет пункта %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="232"/>
        <source>the WAV-type list of the preferences (HMode) has no item %1</source>
        <translation>в списке типов WAV из настроек программы (HMode) нет пункта %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="246"/>
        <source>unknown type word %1, expected %2</source>
        <translation>неизвестное слово типа %1, ожидалось %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="252"/>
        <source>%1 unchanged: %2</source>
        <translation>%1 не изменён: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="261"/>
        <source>Not in the file, these settings keep the form&apos;s values (Save writes them):</source>
        <translation>Этих настроек нет в файле, они сохраняют значения из формы («Сохранить» их запишет):</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="287"/>
        <location filename="../recorder_files/configexplain.cpp" line="317"/>
        <source>timer %1</source>
        <translation>таймер %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="295"/>
        <source>timer %1 %2</source>
        <translation>таймер %1 %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="301"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="337"/>
        <source>no carriage return at all: the file is read as one line</source>
        <translation>нет ни одного возврата каретки: файл читается как одна строка</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="342"/>
        <source>last line has no carriage return and is not applied</source>
        <translation>в последней строке нет возврата каретки, она не применяется</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="345"/>
        <source>byte 0x%1 at offset %2: reading stops here, the rest of the file is ignored</source>
        <translation>байт 0x%1 по смещению %2: чтение здесь останавливается, остаток файла пропускается</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="351"/>
        <source>line of %1 characters: reading stops here, the rest of the file is ignored</source>
        <translation>строка длиной %1 символов: чтение здесь останавливается, остаток файла пропускается</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="56"/>
        <location filename="../recorder_files/configcheck.cpp" line="59"/>
        <location filename="../recorder_files/configcheck.cpp" line="77"/>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="67"/>
        <source>cannot read the file: %1</source>
        <translation>не удаётся прочитать файл: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="92"/>
        <source>1 line</source>
        <translation>1 строка</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="92"/>
        <source>%1 lines</source>
        <translation>%1 стр.</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="94"/>
        <source>no settings in the file</source>
        <translation>в файле нет настроек</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="96"/>
        <source>every line took effect (%1)</source>
        <translation>все строки подействовали (%1)</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="98"/>
        <source>every line read took effect (%1); the rest of the file was not read</source>
        <translation>все прочитанные строки подействовали (%1); остаток файла не прочитан</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="102"/>
        <source>%1 of %2 did not take effect</source>
        <translation>не подействовали: %1 из %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="142"/>
        <source>larger than %1 bytes, not a config.ini</source>
        <translation>больше %1 байт, это не config.ini</translation>
    </message>
    <message>
        <location filename="../recorder_files/configcheck.cpp" line="144"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="322"/>
        <source>line %1 sets %2; line %3 sets it again</source>
        <translation>строка %1 задаёт %2; строка %3 задаёт это снова</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="323"/>
        <source>line %1 sets %2; line %3 sets them again</source>
        <translation>строка %1 задаёт %2; строка %3 задаёт их снова</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="318"/>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <location filename="../recorder_files/configexplain.cpp" line="325"/>
        <source> and </source>
        <translation> и </translation>
    </message>
</context>
<context>
    <name>ConfigEditWindow</name>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="36"/>
        <source>Config files (*.ini);;All files (*.*)</source>
        <translation>Файлы настроек (*.ini);;Все файлы (*.*)</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="160"/>
        <source>%1 was removed: %2 now points at the computer&apos;s disk.

Write there?</source>
        <translation>%1 извлечена: %2 теперь указывает на диск компьютера.

Записать туда?</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="185"/>
        <source>Warning: %1</source>
        <translation>Внимание: %1</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="87"/>
        <source>Config file path</source>
        <translation>Путь к файлу настроек</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="97"/>
        <source>Path to SD flash card</source>
        <translation>Путь к SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="101"/>
        <source>find</source>
        <translation>найти</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="104"/>
        <source>Find SD flash card</source>
        <translation>Найти SD-карту</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="113"/>
        <source>About this programm</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="41"/>
        <source>WAV file format setting</source>
        <translation>Формат WAV-файла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="47"/>
        <source>WAV compess  type</source>
        <translation>Тип сжатия WAV</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="48"/>
        <source>Set compression mode for *.wav files</source>
        <translation>Режим сжатия файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="52"/>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="52"/>
        <source>Set sample rate for *.wav files</source>
        <translation>Частота дискретизации файлов *.wav</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="56"/>
        <source>Bytes per second</source>
        <translation>Байт в секунду</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="56"/>
        <source>Result byte rate stream</source>
        <translation>Итоговый поток, байт/с</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="63"/>
        <source>VAS mode setting</source>
        <translation>Запись по голосу (VAS)</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="68"/>
        <source>VAS mode enable</source>
        <translation>Включить VAS</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="69"/>
        <source>Enable/disable begin writing as voice activated</source>
        <translation>Включает и выключает запуск записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="78"/>
        <source>VAS on level</source>
        <translation>Порог старта</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="79"/>
        <source>Level as voice activated writing begin</source>
        <translation>Уровень звука, при котором начинается запись</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="80"/>
        <source>VAS on time</source>
        <translation>Задержка старта</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="81"/>
        <source>Time wait as voice activated writing begin</source>
        <translation>Сколько ждать перед началом записи по голосу</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="82"/>
        <source>VAS off level</source>
        <translation>Порог останова</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="83"/>
        <source>Level as voice activated writing stop</source>
        <translation>Уровень звука, при котором запись останавливается</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="84"/>
        <source>VAS off time</source>
        <translation>Задержка останова</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="85"/>
        <source>Time wait as voice activated writing stop</source>
        <translation>Сколько ждать перед остановом записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="96"/>
        <source>Current time setting</source>
        <translation>Установка часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="102"/>
        <source>Enable time set</source>
        <translation>Устанавливать часы</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="103"/>
        <source>Enable write to SD time set file</source>
        <translation>Записывать на SD-карту файл установки часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="108"/>
        <source>Delete old time set file</source>
        <translation>Удалять старый файл часов</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="109"/>
        <source>Delete old time set file &lt;time.cfg&gt; and &lt;time.ok&gt; from SD</source>
        <translation>Удалять с SD-карты старые файлы &lt;time.cfg&gt; и &lt;time.ok&gt;</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="114"/>
        <source>Enable manual time setting</source>
        <translation>Задать время вручную</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="115"/>
        <source>Enable manual time setting as dialog</source>
        <translation>Задавать дату и время вручную в этом окне</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="127"/>
        <source>Set time </source>
        <translation>Время </translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="128"/>
        <source>Time will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Время, которое будет записано в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="134"/>
        <source>Set date </source>
        <translation>Дата </translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="135"/>
        <source>Date will writing to &lt;time.ini&gt; file to SD</source>
        <translation>Дата, которая будет записана в файл &lt;time.ini&gt; на SD-карте</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="140"/>
        <source>Timers enable</source>
        <translation>Таймеры</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="145"/>
        <source>Start at timers enable</source>
        <translation>Запуск по таймерам</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="146"/>
        <source>Enable begin writing as timers event</source>
        <translation>Начинать запись по событиям таймеров</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="152"/>
        <source>Loop write setting</source>
        <translation>Циклическая запись</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="49"/>
        <location filename="../editor/settingsgroups.cpp" line="190"/>
        <source>disable</source>
        <translation>выкл</translation>
    </message>
    <message>
        <location filename="../editor/daybar.cpp" line="162"/>
        <location filename="../editor/formslots.cpp" line="52"/>
        <location filename="../editor/settingsgroups.cpp" line="155"/>
        <location filename="../editor/settingsgroups.cpp" line="176"/>
        <source>Mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="155"/>
        <source>Loop size</source>
        <translation>Размер цикла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="156"/>
        <source>File size for loop writing</source>
        <translation>Размер файла при циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="159"/>
        <source>Loop time</source>
        <translation>Время цикла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="159"/>
        <source>Time loop writing</source>
        <translation>Длительность циклической записи</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="164"/>
        <source>File limit setting</source>
        <translation>Пределы размера файла</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="168"/>
        <source>kb</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="168"/>
        <source>Limit min size</source>
        <translation>Мин. размер</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="169"/>
        <source>File smaller this size will deleted</source>
        <translation>Файлы меньше этого размера удаляются</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="172"/>
        <source>Limit min time</source>
        <translation>Мин. время</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="173"/>
        <source>Play time for file minimal size</source>
        <translation>Длительность звучания файла минимального размера</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="176"/>
        <source>Limit max size</source>
        <translation>Макс. размер</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="177"/>
        <source>Writing file this size will stopped.</source>
        <translation>На этом размере запись файла останавливается.</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="180"/>
        <source>Limit max time</source>
        <translation>Макс. время</translation>
    </message>
    <message>
        <location filename="../editor/settingsgroups.cpp" line="181"/>
        <source>Play time for file maximal size</source>
        <translation>Длительность звучания файла максимального размера</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="140"/>
        <source>enable tool tip</source>
        <translation>показывать подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="143"/>
        <source>Help tool tips enable</source>
        <translation>Включить всплывающие подсказки</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="166"/>
        <source>Load from</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="167"/>
        <source>Load config file from any path and file name</source>
        <translation>Загрузить файл настроек из любой папки и под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="169"/>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="170"/>
        <source>Save config file to any path and file name</source>
        <translation>Сохранить файл настроек в любую папку под любым именем</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="172"/>
        <source>Reload</source>
        <translation>Перечитать</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="173"/>
        <source>Load config file from setting SD card path</source>
        <translation>Загрузить файл настроек с заданной SD-карты</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="75"/>
        <source>The files Save writes</source>
        <translation>Файлы, которые записывает «Сохранить»</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="132"/>
        <source>The form has changes that are not saved.</source>
        <translation>В форме есть несохранённые изменения.</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="139"/>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="175"/>
        <location filename="../editor/editguard.cpp" line="170"/>
        <location filename="../recorder_files/filecommands.cpp" line="180"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="194"/>
        <source>Not run by the recorder: %1 (day, month, hour and minute are all &quot;allways&quot;)</source>
        <translation>Диктофон не выполнит: %1 (день, месяц, час и минута — все «всегда»)</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="207"/>
        <source>Cannot read file </source>
        <translation>Не удаётся прочитать файл </translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="229"/>
        <source>Details...</source>
        <translation>Подробно...</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="231"/>
        <source>How the recorder reads each line of the loaded file</source>
        <translation>Как диктофон читает каждую строку загруженного файла</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="252"/>
        <source>How the recorder reads %1</source>
        <translation>Как диктофон читает %1</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="176"/>
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
        <location filename="../editor/filestatus.cpp" line="95"/>
        <source>1 setting is not in the file and keeps the form&apos;s value</source>
        <translation>Одной настройки нет в файле, она сохраняет значение из формы</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="98"/>
        <source>%1 settings are not in the file and keep the form&apos;s values</source>
        <translation>Настроек нет в файле, они сохраняют значения из формы: %1</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="100"/>
        <source>Loaded file </source>
        <translation>Загружен файл </translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="112"/>
        <location filename="../editor/timerpanel.cpp" line="106"/>
        <source>Timer %d</source>
        <translation>Таймер %d</translation>
    </message>
    <message>
        <location filename="../editor/filestatus.cpp" line="118"/>
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
        <location filename="../editor/formslots.cpp" line="93"/>
        <source>About Plimo player configurator</source>
        <translation>О программе «Настройка плеера Plimo»</translation>
    </message>
    <message>
        <location filename="../editor/formslots.cpp" line="94"/>
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
        <location filename="../recorder_files/filecommands.cpp" line="66"/>
        <source>This card path cannot be kept in the preferences file: %1</source>
        <translation>Этот путь к карте нельзя сохранить в файле настроек: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="92"/>
        <source>Cannot read %1:
%2</source>
        <translation>Не удалось прочитать %1:
%2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="127"/>
        <source>Nothing saved: %1</source>
        <translation>Ничего не сохранено: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="155"/>
        <source>Cannot remove %1:
%2</source>
        <translation>Не удалось удалить %1:
%2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="181"/>
        <source>%1 holds %2 recordings that were never collected. Write the new configuration anyway?</source>
        <translation>На %1 есть записи, которые ни разу не собирались: %2. Всё равно записать новую конфигурацию?</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="218"/>
        <source>Not recorded in %1: %2</source>
        <translation>Не записано в %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="106"/>
        <location filename="../recorder_files/filecommands.cpp" line="142"/>
        <location filename="../recorder_files/filecommands.cpp" line="155"/>
        <source>Cannot write %1:
%2</source>
        <translation>Не удалось записать %1:
%2</translation>
    </message>
    <message>
        <location filename="../editor/editguard.cpp" line="183"/>
        <source>Saved and verified: </source>
        <translation>Сохранено и проверено: </translation>
    </message>
    <message>
        <location filename="../recorder_files/filecommands.cpp" line="251"/>
        <location filename="../recorder_files/filecommands.cpp" line="253"/>
        <source>File error</source>
        <translation>Ошибка файла</translation>
    </message>
    <message>
        <location filename="../editor/configeditwindow.cpp" line="114"/>
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
    <name>DayByDay</name>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="277"/>
        <source>1 recording</source>
        <translation>1 запись</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="277"/>
        <source>%1 recordings</source>
        <translation>записей: %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="282"/>
        <source>1 day</source>
        <translation>1 день</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="282"/>
        <source>%1 days</source>
        <translation>%1 дн.</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="287"/>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="303"/>
        <location filename="../recorder_files/daybyday.cpp" line="413"/>
        <source> and %1 more</source>
        <translation> и ещё %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="332"/>
        <source>(the recorder stopped: battery, card full?)</source>
        <translation>(диктофон остановился: батарея, карта заполнена?)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="336"/>
        <source>no recordings on %1, where the schedule writes %2 %3</source>
        <translation>нет записей %1, когда расписание пишет %2 %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="339"/>
        <source>no recordings from %1 to %2, where the schedule writes %3 a day %4</source>
        <translation>нет записей с %1 по %2, когда расписание пишет %3 в день %4</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="341"/>
        <source>no recordings from %1 to %2, where the schedule writes %3 in all %4</source>
        <translation>нет записей с %1 по %2, когда расписание пишет всего %3 %4</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="322"/>
        <source>%1 to %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="211"/>
        <source>%1 (header %2 s, sound %3 s)</source>
        <translation>%1 (заголовок %2 с, звук %3 с)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="347"/>
        <source>the recorder stopped %1 early (battery, card full?)</source>
        <translation>диктофон остановился на %1 раньше (батарея, карта заполнена?)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="350"/>
        <source>%1 a day</source>
        <translation>%1 в день</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="351"/>
        <source>%1 in all</source>
        <translation>всего %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="353"/>
        <source>no recordings on %1, the day the card came back, where the schedule writes %2: %3</source>
        <translation>нет записей за %1 (день возврата карты), когда расписание пишет %2: %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="356"/>
        <source>no recordings from %1 to %2, the day the card came back, where the schedule writes %3: %4</source>
        <translation>нет записей с %1 по %2 (день возврата карты), когда расписание пишет %3: %4</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="365"/>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 из %3)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="369"/>
        <source> and %1 more days</source>
        <translation> и ещё %1 дн.</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="370"/>
        <source>less than half of the schedule recorded, with VAS off, on %1: the recorder stopped early (battery, card full?)</source>
        <translation>записано меньше половины расписания при выключенном VAS, дни %1: диктофон остановился раньше времени (батарея, карта заполнена?)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="379"/>
        <source>recordings dated %1: the recorder&apos;s clock was not set (%2)</source>
        <translation>записи с датой %1: часы диктофона не были установлены (%2)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="382"/>
        <source>recordings dated %1, after the day the card came back (%2): the recorder&apos;s clock was set ahead (%3)</source>
        <translation>записи с датой %1, позже дня возврата карты (%2): часы диктофона были выставлены вперёд (%3)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="436"/>
        <source>day by day: no recordings dated between the deployment and the day the card came back</source>
        <translation>по дням: нет записей с датами между установкой и днём возврата карты</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="386"/>
        <source>recordings from before the card&apos;s last write in the record (%1): left on the card from before, or the recorder&apos;s clock was wrong (%2)</source>
        <translation>записи раньше последней записи карты в журнале (%1): остались на карте с прошлого раза, или часы диктофона шли неверно (%2)</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="407"/>
        <source>recordings outside every timer&apos;s window (%1): started by hand, or the recorder&apos;s clock was wrong</source>
        <translation>записи вне окон всех таймеров (%1): запущены вручную, или часы диктофона шли неверно</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="415"/>
        <source>recordings shorter than their header says, counted by their sound: %1: the recorder lost power, or the card was full?</source>
        <translation>записи короче, чем сказано в заголовке, посчитаны по звуку: %1: у диктофона пропало питание или карта заполнилась?</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="427"/>
        <source>day by day: date, recorded, scheduled</source>
        <translation>по дням: дата, записано, по расписанию</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="440"/>
        <source>%1 before %2 left out: the table shows %3 days</source>
        <translation>%1 до %2 не показаны: таблица показывает %3 дней</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="445"/>
        <source>VAS on: the recorder writes only while it hears sound, the scheduled minutes are the most it writes</source>
        <translation>VAS включён: диктофон пишет, только пока слышит звук, минуты по расписанию — наибольшее, что он запишет</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="448"/>
        <source>loop writing: the recorder writes over its oldest sound once %1 Mb are full, the first days may be gone</source>
        <translation>циклическая запись: когда заполнены %1 МБ, диктофон пишет поверх самого старого звука, первые дни могли пропасть</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="453"/>
        <source>recordings after the card&apos;s last write in the record (%1): %2 of %3</source>
        <translation>записи после последней записи карты в журнале (%1): %2 из %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/daybyday.cpp" line="460"/>
        <source>needs a look:</source>
        <translation>стоит проверить:</translation>
    </message>
</context>
<context>
    <name>DayChart</name>
    <message>
        <location filename="../editor/daychart.cpp" line="128"/>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="128"/>
        <location filename="../editor/daychart.cpp" line="158"/>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="81"/>
        <location filename="../editor/daychart.cpp" line="235"/>
        <source>recorded</source>
        <translation>записано</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="82"/>
        <location filename="../editor/daychart.cpp" line="236"/>
        <source>scheduled</source>
        <translation>по расписанию</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="83"/>
        <location filename="../editor/daychart.cpp" line="237"/>
        <source>no recordings</source>
        <translation>нет записей</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="160"/>
        <source>no schedule known</source>
        <translation>расписание неизвестно</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="161"/>
        <source>%1 scheduled</source>
        <translation>%1 по расписанию</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="162"/>
        <source>%1: %2 recorded, %3</source>
        <translation>%1: записано %2, %3</translation>
    </message>
    <message>
        <location filename="../editor/daychart.cpp" line="167"/>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>Deployment</name>
    <message>
        <location filename="../recorder_files/deployment.cpp" line="228"/>
        <source>its first line is not the header of a record of card writes; nothing is written to it</source>
        <translation>его первая строка не заголовок журнала записей на карты; в него ничего не записано</translation>
    </message>
    <message>
        <location filename="../recorder_files/deployment.cpp" line="246"/>
        <source>its first line is not the header of this record; nothing is written to it</source>
        <translation>его первая строка не заголовок этого журнала; в него ничего не записано</translation>
    </message>
    <message>
        <location filename="../recorder_files/deployment.cpp" line="206"/>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>PlimoAppWindow</name>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="74"/>
        <source>Config files (*.ini);;All files (*.*)</source>
        <translation>Файлы настроек (*.ini);;Все файлы (*.*)</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="53"/>
        <source>Plimo player configurator</source>
        <translation>Настройка плеера Plimo</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="66"/>
        <location filename="../app/startup.cpp" line="240"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="125"/>
        <source>Card report...</source>
        <translation>Отчёт о карте...</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="129"/>
        <source>Collect recordings...</source>
        <translation>Собрать записи...</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="130"/>
        <source>Copy the card&apos;s recordings and files, each copy checked, into an archive folder; the card is only read</source>
        <translation>Скопировать записи и файлы карты в папку архива, проверяя каждую копию; карта только читается</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="126"/>
        <source>What is on the card: config.ini, free space, clock file and recordings</source>
        <translation>Что есть на карте: config.ini, свободное место, файл часов и записи</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="135"/>
        <source>Season...</source>
        <translation>Сезон...</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="136"/>
        <source>Every card of an archive day by day: which recorders worked on which days</source>
        <translation>Все карты архива по дням: какие диктофоны работали в какие дни</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="164"/>
        <source>Car&amp;ds...</source>
        <translation>&amp;Карты...</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="166"/>
        <source>Every card in the readers: write, verify, collect and eject many cards at once</source>
        <translation>Все карты в картридерах: записать, сверить, собрать и извлечь много карт сразу</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="199"/>
        <source>Card report of %1</source>
        <translation>Отчёт о карте %1</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="303"/>
        <source>Closing once the cards under way are done...</source>
        <translation>Закрытие после завершения начатых карт...</translation>
    </message>
    <message>
        <location filename="../app/plimoappwindow.cpp" line="324"/>
        <source>Loading aborted</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="24"/>
        <source>about %1 h</source>
        <translation>около %1 ч</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="25"/>
        <source>about %1 min</source>
        <translation>около %1 мин</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="35"/>
        <source>Card %1: %2 free, %3 at %4 B/s</source>
        <translation>Карта %1: свободно %2, %3 при %4 Б/с</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="38"/>
        <source>Card: %1 free, %2 at %3 B/s</source>
        <translation>Карта: свободно %1, %2 при %3 Б/с</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="39"/>
        <source>Folder&apos;s disk: %1 free, %2 at %3 B/s</source>
        <translation>Диск папки: свободно %1, %2 при %3 Б/с</translation>
    </message>
    <message>
        <location filename="../card/cardspace.cpp" line="119"/>
        <source>Card folder not found</source>
        <translation>Папка карты не найдена</translation>
    </message>
    <message>
        <location filename="../recorder_files/derived.cpp" line="85"/>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
</context>
<context>
    <name>PreferenceFile</name>
    <message>
        <location filename="../app/preferences/preferencewriter.cpp" line="132"/>
        <source>the code page %1 (CodeTable) has no code for a character of it</source>
        <translation>в кодовой странице %1 (CodeTable) нет кода для одного из его символов</translation>
    </message>
    <message>
        <location filename="../app/preferences/preferencewriter.cpp" line="136"/>
        <source>it holds &quot;&lt;&quot; or &quot;&gt;&quot;</source>
        <translation>в нём есть «&lt;» или «&gt;»</translation>
    </message>
    <message>
        <location filename="../app/preferences/preferencewriter.cpp" line="138"/>
        <source>it holds &quot;*&quot; or &quot;?&quot;</source>
        <translation>в нём есть «*» или «?»</translation>
    </message>
    <message>
        <location filename="../app/preferences/preferencewriter.cpp" line="142"/>
        <source>it is longer than %1 bytes</source>
        <translation>он длиннее %1 байт</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <location filename="../platform/savefile.cpp" line="32"/>
        <source>%1; the file holds its old contents again</source>
        <translation>%1; в файле снова прежнее содержимое</translation>
    </message>
    <message>
        <location filename="../platform/savefile.cpp" line="34"/>
        <source>%1; putting the old contents back failed too (%2): the file may be damaged and must be written again</source>
        <translation>%1; вернуть прежнее содержимое тоже не удалось (%2): файл может быть повреждён, его нужно записать заново</translation>
    </message>
    <message>
        <location filename="../platform/savefile.cpp" line="49"/>
        <source>the card went away</source>
        <translation>карта пропала</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="32"/>
        <source>timer %1 never fires: %2 does not exist</source>
        <translation>таймер %1 никогда не сработает: %2 не бывает</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="34"/>
        <source>plus %1 min in all on %2, where timers %3 fire together</source>
        <translation>плюс всего %1 мин %2, когда таймеры %3 срабатывают вместе</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="38"/>
        <source>plus %1 min on %2</source>
        <translation>плюс %1 мин %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="40"/>
        <source> (leap years only)</source>
        <translation> (только в високосные годы)</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="42"/>
        <source>, writes overlap there for %1 min</source>
        <translation>, записи там перекрываются на %1 мин</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="52"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="54"/>
        <source>day %1 of every month</source>
        <translation>%1-го числа каждого месяца</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="55"/>
        <source>every day in %1</source>
        <translation>каждый день, месяц %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="68"/>
        <source>timers off: the recorder writes when its key is pressed</source>
        <translation>таймеры выключены: диктофон пишет по нажатию кнопки</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="71"/>
        <source>records %1 min a day, %2 a day</source>
        <translation>записывает %1 мин в день, %2 в день</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="80"/>
        <source>an unlimited write time is counted up to midnight</source>
        <translation>неограниченное время записи считается до полуночи</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="83"/>
        <source>timer %1 fires again while it writes: %2 min a day overlap</source>
        <translation>таймер %1 срабатывает снова во время записи: %2 мин в день перекрываются</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="87"/>
        <source>timers %1 overlap for %2 min a day</source>
        <translation>таймеры %1 перекрываются на %2 мин в день</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="93"/>
        <source>VAS on: at most this much, the recorder writes only while it hears sound</source>
        <translation>VAS включён: не больше этого, диктофон пишет только пока слышит звук</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="96"/>
        <source>loop writing: the recorder writes over its oldest sound once %1 Mb are full, the card does not fill up</source>
        <translation>циклическая запись: заполнив %1 МБ, диктофон пишет поверх самых старых записей, карта не заполняется</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="124"/>
        <source>with %1 free from %2</source>
        <translation>при %1 свободного места с %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="108"/>
        <source>the timers are off, the key decides when it fills</source>
        <translation>таймеры выключены, когда карта заполнится, решает кнопка</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="113"/>
        <source>never full</source>
        <translation>не заполнится никогда</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="115"/>
        <source>not full within %1 days (ten years)</source>
        <translation>не заполнится за %1 дн. (десять лет)</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="116"/>
        <source>full after %1 days (on %2)</source>
        <translation>заполнится через %1 дн. (%2)</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="158"/>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 байт)</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="159"/>
        <source>Mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../recorder_files/schedulewording.cpp" line="163"/>
        <source>schedule at %1 bytes per second:</source>
        <translation>расписание при %1 байт в секунду:</translation>
    </message>
</context>
<context>
    <name>ScheduleStrip</name>
    <message>
        <location filename="../editor/daybar.cpp" line="175"/>
        <source>Timers over a day</source>
        <translation>Таймеры за сутки</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <location filename="../recorder_files/season.cpp" line="114"/>
        <source>no list of recordings: its first line is not the header --collect writes</source>
        <translation>не список записей: первая строка — не тот заголовок, что пишет --collect</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="151"/>
        <source>%1%2: %3</source>
        <translation>%1%2: %3</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="159"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="207"/>
        <source>cannot read the folder %1</source>
        <translation>не удаётся прочитать папку %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="208"/>
        <source>no folder %1</source>
        <translation>нет папки %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="229"/>
        <source>%1 holds no collection: no folder &lt;card&gt;/&lt;YYYY-MM-DD&gt;/ with a %2, as --collect makes them</source>
        <translation>в %1 нет ни одного сбора: нет папки &lt;card&gt;/&lt;YYYY-MM-DD&gt;/ с %2, какие создаёт --collect</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="280"/>
        <source>%1 to %2, </source>
        <translation>с %1 по %2, </translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="282"/>
        <source>%1 of %2 days recorded, %3, %4 days without recordings, %5 recordings from a clock set wrong</source>
        <translation>записано дней: %1 из %2, %3, дней без записей: %4, записей с неверными часами: %5</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="297"/>
        <source>FAILED %1: %2</source>
        <translation>FAILED %1: %2</translation>
    </message>
    <message>
        <location filename="../recorder_files/season.cpp" line="310"/>
        <source>season %1: %2 deployments, %3 need a look; %4 of %5 days recorded, %6</source>
        <translation>сезон %1: установок: %2, требуют внимания: %3; записано дней: %4 из %5, %6</translation>
    </message>
</context>
<context>
    <name>SeasonCommand</name>
    <message>
        <location filename="../commandline/seasoncommand.cpp" line="49"/>
        <source>FAILED %1: %2</source>
        <translation>FAILED %1: %2</translation>
    </message>
    <message>
        <location filename="../commandline/seasoncommand.cpp" line="59"/>
        <source>Tell every card of an &lt;archive&gt; filled by --collect day by day (from the recordings.csv of its collection folders and the record of card writes) and write season.csv, deployments-table.csv and season.png into it.</source>
        <translation>Рассказать по дням о каждой карте в &lt;archive&gt;, заполненном через --collect (по recordings.csv его папок сборов и журналу записей карт), и записать в него season.csv, deployments-table.csv и season.png.</translation>
    </message>
    <message>
        <location filename="../commandline/seasoncommand.cpp" line="71"/>
        <source>--season goes with --record only, not with --%1</source>
        <translation>--season идёт только с --record, не с --%1</translation>
    </message>
    <message>
        <location filename="../commandline/seasoncommand.cpp" line="95"/>
        <source>wrote season.csv, deployments-table.csv and season.png into %1</source>
        <translation>season.csv, deployments-table.csv и season.png записаны в %1</translation>
    </message>
</context>
<context>
    <name>SeasonView</name>
    <message>
        <location filename="../app/seasonwindow.cpp" line="40"/>
        <source>%1: click for its report</source>
        <translation>%1: щёлкните, чтобы открыть отчёт</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="46"/>
        <source>schedule not known</source>
        <translation>расписание неизвестно</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="47"/>
        <source>%1 min scheduled</source>
        <translation>по расписанию %1 мин</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="49"/>
        <source>1 recording</source>
        <translation>1 запись</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="50"/>
        <source>%1 recordings</source>
        <translation>записей: %1</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="51"/>
        <source>%1, %2: %3 min recorded, %4, %5</source>
        <translation>%1, %2: записано %3 мин, %4, %5</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="56"/>
        <source>%1, %2: not out</source>
        <translation>%1, %2: не в поле</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="90"/>
        <source>Reading the season of %1...</source>
        <translation>Чтение сезона %1...</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="91"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="107"/>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="124"/>
        <source>Season</source>
        <translation>Сезон</translation>
    </message>
    <message>
        <location filename="../app/seasonwindow.cpp" line="130"/>
        <source>Season of %1</source>
        <translation>Сезон %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../app/startup.cpp" line="122"/>
        <source>%1 is no preferences file: it is left as it is, and the preferences of this run will not be saved</source>
        <translation>%1 — не файл настроек: он остаётся как есть, а настройки этого сеанса не будут сохранены</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="126"/>
        <source>To open a config.ini, use Load from, or --check in a terminal</source>
        <translation>Чтобы открыть config.ini, используйте «Открыть» или --check в терминале</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="92"/>
        <source>Cannot read the preferences file %1: %2. Starting with the defaults; the file is left unchanged.</source>
        <translation>Не удаётся прочитать файл настроек программы %1: %2. Программа запускается с настройками по умолчанию, файл не изменяется.</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="106"/>
        <source>%1: %2. Save refuses to write the card until the names differ.</source>
        <translation>%1: %2. «Сохранить» не будет писать на карту, пока имена не станут разными.</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="144"/>
        <source>The card path %1 cannot be kept in the preferences file: %2. The path stored before is kept.</source>
        <translation>Путь к карте %1 нельзя сохранить в файле настроек программы: %2. Остаётся прежний сохранённый путь.</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="151"/>
        <source>Cannot write the preferences file %1: %2</source>
        <translation>Не удаётся записать файл настроек программы %1: %2</translation>
    </message>
</context>
<context>
    <name>UDisksClient</name>
    <message>
        <location filename="../card/udisks.cpp" line="94"/>
        <source>UDisks2 did not answer in time</source>
        <translation>UDisks2 не ответил вовремя</translation>
    </message>
    <message>
        <location filename="../card/udisks.cpp" line="96"/>
        <location filename="../card/udisks.cpp" line="239"/>
        <source>UDisks2 does not answer</source>
        <translation>UDisks2 не отвечает</translation>
    </message>
    <message>
        <location filename="../card/udisks.cpp" line="238"/>
        <source>not on a removable card that UDisks2 knows</source>
        <translation>не на съёмной карте, известной UDisks2</translation>
    </message>
</context>
<context>
    <name>VerifiedCopy</name>
    <message>
        <location filename="../commandline/verifiedcopy.cpp" line="155"/>
        <source>changed while it was copied; collect again</source>
        <translation>изменился во время копирования; соберите снова</translation>
    </message>
    <message>
        <location filename="../commandline/verifiedcopy.cpp" line="170"/>
        <source>the copy read back from the archive differs from the card</source>
        <translation>копия, прочитанная из архива, отличается от карты</translation>
    </message>
    <message>
        <location filename="../commandline/verifiedcopy.cpp" line="204"/>
        <source>cannot create the folder %1: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
</context>
<context>
    <name>WavHeader</name>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="62"/>
        <source>format %1</source>
        <translation>формат %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="182"/>
        <source>not a WAV file</source>
        <translation>это не WAV-файл</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="192"/>
        <source>fmt chunk too short</source>
        <translation>блок fmt слишком короткий</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="197"/>
        <source>data chunk before the fmt chunk</source>
        <translation>блок data стоит перед блоком fmt</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="117"/>
        <source>unknown WAV format %1</source>
        <translation>неизвестный формат WAV %1</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="128"/>
        <source>0 bytes per second in the fmt chunk</source>
        <translation>0 байт в секунду в блоке fmt</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="206"/>
        <source>no data chunk in the first %1 KiB</source>
        <translation>нет блока data в первых %1 КиБ</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="207"/>
        <source>no fmt chunk in the first %1 KiB</source>
        <translation>нет блока fmt в первых %1 КиБ</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="119"/>
        <source>sample rate 0 in the fmt chunk</source>
        <translation>частота дискретизации 0 в блоке fmt</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="121"/>
        <source>0 channels in the fmt chunk</source>
        <translation>0 каналов в блоке fmt</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="124"/>
        <source>%1 block of %2 bytes holds no sound</source>
        <translation>блок %1 из %2 байт не содержит звука</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="165"/>
        <source>unfinished recording (the recorder stopped before closing it)</source>
        <translation>незавершённая запись (диктофон остановился, не закрыв её)</translation>
    </message>
    <message>
        <location filename="../recorder_files/wavheader.cpp" line="168"/>
        <source>header&apos;s byte rate %1 does not match %2 Hz %3: counted as %4 B/s</source>
        <translation>скорость %1 байт/с в заголовке не соответствует %2 Гц %3: посчитано как %4 Б/с</translation>
    </message>
</context>
</TS>

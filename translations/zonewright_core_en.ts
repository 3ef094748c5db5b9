<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Analysis</name>
    <message>
        <location filename="../analysis/report.cpp" line="+22"/>
        <source> и </source>
        <translation> and </translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+180"/>
        <source>локация %1</source>
        <translation>zone %1</translation>
    </message>
    <message>
        <location line="-179"/>
        <source>локации %1</source>
        <translation>zones %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Игрок %1 (%2)</source>
        <translation>Player %1 (%2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>локаций %1, сокровища %2, рудники %3, города %4</source>
        <translation>zones %1, treasure %2, mines %3, towns %4</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 игрок</source>
        <translation>%1 player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 игрока</source>
        <translation>%1 players</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 игроков</source>
        <translation>%1 players</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>из них %1 человек</source>
        <translation>%1 of them human</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>из них %1 человека</source>
        <translation>%1 of them human</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1: %2 недостижима</source>
        <translation>%1: %2 is unreachable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 недостижимы</source>
        <translation>%1: %2 are unreachable</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: стартовые локации %2 и %3 не связаны между собой</source>
        <translation>%1: start zones %2 and %3 are not connected</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Локация %1 не соединена ни с одной другой</source>
        <translation>Zone %1 is not connected to any other zone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Соединение %1 соединяет локацию %2 саму с собой</source>
        <translation>Connection %1 connects zone %2 with itself</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Локации %1 соединены несколько раз: соединения %2</source>
        <translation>Zones %1 are connected more than once: connections %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>В стартовой локации %1 нет города</source>
        <translation>Start zone %1 has no town</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>У игрока %1 больше одной стартовой локации: %2</source>
        <translation>Player %1 has more than one start zone: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Стартовая локация %1 не принадлежит ни одному игроку</source>
        <translation>Start zone %1 belongs to no player</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>У игрока %1 есть замки, но этого игрока на карте нет: %2</source>
        <translation>Player %1 has castles, but this player is not on the map: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>У игрока %1 нет стартовой локации</source>
        <translation>Player %1 has no start zone</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>До соперника</source>
        <translation>To rival</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Радиус %1</source>
        <translation>Radius %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <location line="+111"/>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>разброс сокровищ 0: все старты равны</source>
        <translation>treasure spread 0: all starts are equal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>разброс сокровищ %1 (больше всего у игрока %2, меньше всего у игрока %3)</source>
        <translation>treasure spread %1 (most for player %2, least for player %3)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ни одного: ни один игрок не может быть человеком</source>
        <translation>none: no player can be human</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>во всех составах все локации достижимы и стартовые локации связаны</source>
        <translation>in every setup all zones are reachable and the start zones are connected</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>и ещё %1 замечание</source>
        <translation>and %1 more finding</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>и ещё %1 замечания</source>
        <translation>and %1 more findings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>и ещё %1 замечаний</source>
        <translation>and %1 more findings</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Равенство стартов (%1)</source>
        <translation>Start fairness (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Сокровища не дальше %1 перехода от старта</source>
        <translation>Treasure within %1 connection of the start</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Сокровища не дальше %1 переходов от старта</source>
        <translation>Treasure within %1 connections of the start</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Самый богатый старт: %1</source>
        <translation>
Richest start: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Самый бедный старт: %1</source>
        <translation>
Poorest start: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Радиус %1: %2</source>
        <translation>Radius %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <source>Шаблон на %1 игрока.</source>
        <translation>Players in the template: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Шаблон на %1 игроков.</source>
        <translation>Players in the template: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: старт: %2, до соперника: %3</source>
        <translation>%1: start: %2, to rival: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>радиус %1: %2</source>
        <translation>radius %1: %2</translation>
    </message>
    <message>
        <location filename="../analysis/report.h" line="+71"/>
        <source>Составы игроков</source>
        <translation>Player setups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Предупреждения</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Предупреждений нет</source>
        <translation>No warnings</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <location filename="../canvas/geometry.h" line="+41"/>
        <source>Координаты локаций должны быть от -2000000000 до 2000000000.</source>
        <translation>Zone coordinates must be between -2000000000 and 2000000000.</translation>
    </message>
    <message>
        <location filename="../canvas/info_panel.cpp" line="+14"/>
        <source>Стартовая локация</source>
        <translation>Start zone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Локация</source>
        <translation>Zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Локация - перекресток</source>
        <translation>Junction zone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Слабые</source>
        <translation>Weak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Средние</source>
        <translation>Average</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Сильные</source>
        <translation>Strong</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Существует: Всегда</source>
        <translation>Exists: Always</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Существует только с хозяином</source>
        <translation>Exists only with its owner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Особые условия существования</source>
        <translation>Special existence conditions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Обычный переход</source>
        <translation>Ordinary connection</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Широкий переход</source>
        <translation>Wide connection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Переход со стражем границы</source>
        <translation>Connection with a border guard</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 игрока %2</source>
        <translation>%1 of player %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Один город без форта</source>
        <translation>One town without a fort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Один город с фортом</source>
        <translation>One town with a fort</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Города: %1/%2/%3/%4</source>
        <translation>Towns: %1/%2/%3/%4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> (одинаковые)</source>
        <translation> (same type)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Городов нет</source>
        <translation>No towns</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Настроено: (%1-%2) x %3</source>
        <translation>Custom: (%1-%2) x %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Размер: %1</source>
        <translation>Size: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Монстры: %1</source>
        <translation>Monsters: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Мультипереход
(Количество: %1)</source>
        <translation>Multi-connection
(Count: %1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Охрана: %1 (%2)</source>
        <translation>Guard: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <location filename="../check/check.cpp" line="+12"/>
        <source>Обнаружена логическая ошибка.<byte value="xd"/></source>
        <translation>A logical error was found.<byte value="xd"/></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>У игрока %1 больше одной стартовой локации</source>
        <translation>Player %1 has more than one start zone</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>У игрока %1 есть замки, но этого игрока на карте нет</source>
        <translation>Player %1 has castles, but this player is not on the map</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Стартовая локация %1 не принадлежит ни одному игроку</source>
        <translation>Start zone %1 belongs to no player</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>У игрока %1 нет стартовой локации</source>
        <translation>Player %1 has no start zone</translation>
    </message>
    <message>
        <location filename="../check/check.h" line="+16"/>
        <source>Ошибок не обнаружено</source>
        <translation>No errors found</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <location filename="../cli/analyze_command.cpp" line="+36"/>
        <source>Разбор шаблона файла проекта: достижимость при каждом наборе игроков, предупреждения, равенство игроков</source>
        <translation>Analyse a project file&apos;s template: reachability for every set of players, warnings, player fairness</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../cli/project_commands.cpp" line="+70"/>
        <location line="+13"/>
        <location filename="../cli/render_commands.cpp" line="+148"/>
        <location filename="../cli/rmg_commands.cpp" line="+209"/>
        <location filename="../cli/transform_command.cpp" line="+91"/>
        <source>файл проекта для чтения (.tpz)</source>
        <translation>project file to read (.tpz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>вывести разбор в виде JSON</source>
        <translation>print the analysis as JSON</translation>
    </message>
    <message>
        <location filename="../cli/commands.h" line="+21"/>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <location filename="../cli/generate_command.cpp" line="+47"/>
        <source>%1: ожидается целое число, а не «%2»</source>
        <translation>%1: expected a whole number, not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--pattern: неизвестный образец «%1», ожидается ring, star или ring-centre</source>
        <translation>--pattern: unknown pattern &quot;%1&quot;, expected ring, star or ring-centre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Не задано число игроков: --players от 2 до 8</source>
        <translation>The number of players is not given: --players from 2 to 8</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Записать шаблон по образцу, равный для всех игроков: стартовая локация каждого игрока со своими локациями, нейтральные локации между соседями и богатый центр</source>
        <translation>Write a template from a pattern, fair to every player: each player&apos;s start zone with zones of their own, neutral zones between neighbours and a rich centre</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../cli/project_commands.cpp" line="-19"/>
        <location line="+13"/>
        <location filename="../cli/rmg_commands.cpp" line="+40"/>
        <location filename="../cli/transform_command.cpp" line="+1"/>
        <source>файл проекта для записи (.tpz)</source>
        <translation>project file to write (.tpz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>число игроков, от 2 до 8 (обязательно)</source>
        <translation>number of players, 2 to 8 (required)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ring, star или ring-centre (по умолчанию): игроки по кругу, соединённые через нейтральные локации, соединённые только через центр, или и то и другое</source>
        <translation>ring, star or ring-centre (default): players in a circle joined through neutral zones, joined only through the centre, or both</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>локаций у каждого игрока помимо стартовой, от 0 до 4 (по умолчанию 1)</source>
        <translation>zones of each player&apos;s own besides the start zone, 0 to 4 (default 1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>нейтральных локаций на пути между соседними игроками, от 0 до 3 (по умолчанию 1; только у образцов с кольцом)</source>
        <translation>neutral zones on the way between neighbouring players, 0 to 3 (default 1; ring patterns only)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>локаций в центре, от 0 до 4 (по умолчанию 1 у star и ring-centre, у star не меньше 1; у ring центра нет)</source>
        <translation>zones in the centre, 0 to 4 (default 1 for star and ring-centre, at least 1 for star; ring has no centre)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>целое число от 0 до 999999, меняющее размеры и сокровища, одинаково для всех игроков (по умолчанию 0)</source>
        <translation>a whole number from 0 to 999999 that varies sizes and treasure, equally for all players (default 0)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>имя шаблона (по умолчанию: образец и число игроков)</source>
        <translation>template name (default: the pattern and the number of players)</translation>
    </message>
    <message>
        <location filename="../cli/language_option.cpp" line="+37"/>
        <source>--language: не задано значение</source>
        <translation>--language: no value given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>--language: недопустимое значение «%1», ожидается en или ru</source>
        <translation>--language: invalid value &quot;%1&quot;, expected en or ru</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--language %1: не найдены файлы перевода в %2</source>
        <translation>--language %1: no translation files found in %2</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+22"/>
        <source>Zonewright: шаблоны случайных карт из командной строки</source>
        <translation>Zonewright: random map templates from the command line</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>язык сообщений и справки: en (английский) или ru (русский, по умолчанию)</source>
        <translation>language of messages and help: en (English) or ru (Russian, default)</translation>
    </message>
    <message>
        <location filename="../cli/parser_messages.cpp" line="+66"/>
        <source>неизвестная команда «%1»; команды: %2</source>
        <translation>unknown command &quot;%1&quot;; commands: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>не задана команда; команды: %1</source>
        <translation>no command given; commands: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>не задан %1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>заданы не те параметры</source>
        <translation>wrong options given</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>лишний аргумент: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>лишние аргументы: %1</source>
        <translation>unexpected arguments: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>лишние аргументы</source>
        <translation>unexpected arguments</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: не задано значение</source>
        <translation>%1: no value given</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: не то число значений</source>
        <translation>%1: wrong number of values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>у параметра не то число значений</source>
        <translation>an option has the wrong number of values</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+6"/>
        <source>%1: недопустимое значение «%2»</source>
        <translation>%1: invalid value &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: у флага не бывает значения</source>
        <translation>%1: a flag takes no value</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: ожидается true, false или число</source>
        <translation>%1: expected true, false or a number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>недопустимое значение параметра</source>
        <translation>invalid option value</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 требует %2</source>
        <translation>%1 requires %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 нельзя вместе с %2</source>
        <translation>%1 cannot be used with %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>неверная командная строка</source>
        <translation>invalid command line</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>показать эту справку и выйти</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Параметры</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>
Справка: %1 --help
</source>
        <translation>
Help: %1 --help
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Запуск</source>
        <translation>Usage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ПАРАМЕТРЫ</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>КОМАНДА</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>КОМАНДЫ</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Аргументы</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>обязательно</source>
        <translation>required</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Требует</source>
        <translation>Needs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Исключает</source>
        <translation>Excludes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Переменная</source>
        <translation>Env</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ТЕКСТ</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ЧИСЛО</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ОБРАЗЕЦ</source>
        <translation>PATTERN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location filename="../cli/project_commands.cpp" line="-14"/>
        <source>Записать новый шаблон в файл проекта</source>
        <translation>Write a new template to a project file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Вывести шаблон файла проекта в виде JSON</source>
        <translation>Print a project file&apos;s template as JSON</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Записать файл проекта из JSON (обратно команде dump)</source>
        <translation>Write a project file from JSON (the reverse of dump)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>файл JSON для чтения</source>
        <translation>JSON file to read</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Проверить шаблон файла проекта на логические ошибки</source>
        <translation>Check a project file&apos;s template for logical errors</translation>
    </message>
    <message>
        <location filename="../cli/render_commands.cpp" line="-68"/>
        <source>--size: ожидается ШИРИНАxВЫСОТА, каждая от 1 до %1, а не «%2»</source>
        <translation>--size: expected WIDTHxHEIGHT, each from 1 to %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--zoom: ожидается от %1 до %2, а не %3</source>
        <translation>--zoom: expected %1 to %2, not %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--origin: ожидается X,Y, а не «%1»</source>
        <translation>--origin: expected X,Y, not &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--scale: ожидается число от 1 до 4, например 1.5, а не «%1»</source>
        <translation>--scale: expected a number from 1 to 4, such as 1.5, not &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--size, --scale: картинка вышла бы шире или выше %1 точек</source>
        <translation>--size, --scale: the picture would be wider or taller than %1 pixels</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1: не удалось закодировать картинку</source>
        <translation>%1: the picture could not be encoded</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Нарисовать шаблон проекта, как его показывает холст, в PNG</source>
        <translation>Draw a project&apos;s template as the canvas shows it, to PNG</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>файл PNG для записи</source>
        <translation>PNG file to write</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>размер холста в точках, ШИРИНАxВЫСОТА</source>
        <translation>canvas size in pixels, WIDTHxHEIGHT</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>масштаб, от 0 (самый крупный) до 5 (самый мелкий)</source>
        <translation>zoom, from 0 (largest) to 5 (smallest)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>узел сетки в левой верхней клетке, X,Y</source>
        <translation>grid node in the top left cell, X,Y</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>точек устройства на точку холста, от 1 до 4 (2: та же картинка с вдвое большим числом точек, как на экране высокой чёткости)</source>
        <translation>device pixels per canvas pixel, 1 to 4 (2: the same picture with twice as many pixels, as on a high-resolution screen)</translation>
    </message>
    <message>
        <location filename="../cli/rmg_commands.cpp" line="-198"/>
        <source>%1: нет шаблона с именем «%2»</source>
        <translation>%1: no template named &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: нет шаблона номер %2 (шаблонов в таблице: %3)</source>
        <translation>%1: no template number %2 (templates in the table: %3)</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>нужен ровно один из параметров %1</source>
        <translation>exactly one of the options %1 is needed</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Добавить шаблон проекта в таблицу rmg.txt вместо шаблона с тем же именем</source>
        <translation>Add a project&apos;s template to an rmg.txt table in place of the template of the same name</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>таблица для записи; новая начинается с header.txt</source>
        <translation>table to write; a new one starts with header.txt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>имя в таблице (по умолчанию: имя шаблона)</source>
        <translation>name in the table (default: the template&apos;s name)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>заголовок новой таблицы (по умолчанию: header.txt рядом с программой)</source>
        <translation>header of a new table (default: header.txt beside the program)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>записать, даже если проверка шаблона нашла ошибку</source>
        <translation>write even if the template check found an error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>записать шаблон из расширенной таблицы в классическую без ячеек, которых она не вмещает</source>
        <translation>write a template from an extended table into a classic one without the cells it cannot hold</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Перечислить шаблоны таблицы rmg.txt</source>
        <translation>List the templates of an rmg.txt table</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+19"/>
        <source>таблица для чтения</source>
        <translation>table to read</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Удалить шаблоны из таблицы rmg.txt</source>
        <translation>Delete templates from an rmg.txt table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>изменяемая таблица</source>
        <translation>table to change</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+17"/>
        <source>первый шаблон с этим именем</source>
        <translation>the first template with this name</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+17"/>
        <source>шаблон на этом месте, считая с 1</source>
        <translation>the template at this position, counting from 1</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>все шаблоны; заголовок остаётся</source>
        <translation>all templates; the header stays</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Перенести шаблон из таблицы rmg.txt, расставив локации, в файл проекта</source>
        <translation>Bring a template from an rmg.txt table into a project file, laying out its zones</translation>
    </message>
    <message>
        <location filename="../cli/transform_command.cpp" line="-61"/>
        <source>нужен ровно один из параметров --mirror-x, --mirror-y и --rotate</source>
        <translation>exactly one of the options --mirror-x, --mirror-y and --rotate is needed</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--rotate: ожидается 90, 180 или 270, а не %1</source>
        <translation>--rotate: expected 90, 180 or 270, not %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Отразить или повернуть локации на месте относительно центра их области сетки или скопировать их рядом для других игроков</source>
        <translation>Mirror or rotate zones in place about the centre of their grid area, or copy them alongside for other players</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>номера локаций, например 1,3-5</source>
        <translation>zone numbers, such as 1,3-5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>отразить слева направо</source>
        <translation>mirror left to right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>отразить сверху вниз</source>
        <translation>mirror top to bottom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>повернуть по часовой стрелке на 90, 180 или 270 градусов</source>
        <translation>rotate clockwise by 90, 180 or 270 degrees</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>вместо этого скопировать локации, владельцы заменяются парами A=B[,C=D...] игроков 1..8; копия поворачивается вокруг узла сразу за правым нижним углом локаций и ложится через один свободный столбец или ряд: справа (--mirror-x, --rotate 90), снизу (--mirror-y, --rotate 270) или справа снизу (--rotate 180)</source>
        <translation>copy the zones instead, with owners replaced by pairs A=B[,C=D...] of players 1..8; the copy turns about the node just past the zones&apos; bottom right corner and lands one free column or row away: to the right (--mirror-x, --rotate 90), below (--mirror-y, --rotate 270) or to the bottom right (--rotate 180)</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <location filename="../editor/autosave.cpp" line="+11"/>
        <source>Не удалось сохранить копию шаблона для восстановления:<byte value="xd"/>%1</source>
        <translation>Could not save the recovery copy of the template:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../editor/commands/check_command.h" line="+20"/>
        <source>Шаблон прочитан из расширенной таблицы, чьих настроек проверка не знает. Записать его всё равно?</source>
        <translation>The template was read from an extended table whose settings the check does not know. Write it anyway?</translation>
    </message>
    <message>
        <location filename="../editor/commands/clipboard_commands.cpp" line="+17"/>
        <source>Фрагмент не вставлен: координаты локаций должны быть от -2000000000 до 2000000000.</source>
        <translation>The fragment was not pasted: zone coordinates must be between -2000000000 and 2000000000.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Вырезание %1</source>
        <translation>Cut %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Вставка %1</source>
        <translation>Paste %1</translation>
    </message>
    <message>
        <location filename="../editor/commands/delete_selection.cpp" line="+16"/>
        <source>Вы действительно хотите удалить выбранные переходы (%1)?</source>
        <translation>Do you really want to delete the selected connections (%1)?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Вы действительно хотите удалить выбранные локации (%1) и все соединенные с ними переходы (%2), а также другие выбранные переходы (%3)?</source>
        <translation>Do you really want to delete the selected zones (%1) and all connections attached to them (%2), and also the other selected connections (%3)?</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Удаление %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <location filename="../editor/commands/edit_actions.cpp" line="+20"/>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Отразить слева направо</source>
        <translation>Mirror left to right</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Отразить сверху вниз</source>
        <translation>Mirror top to bottom</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Повернуть на 90°</source>
        <translation>Rotate by 90°</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Повернуть на 180°</source>
        <translation>Rotate by 180°</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Повернуть на 270°</source>
        <translation>Rotate by 270°</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Дублировать для игроков…</source>
        <translation>Duplicate for players…</translation>
    </message>
    <message>
        <location filename="../editor/commands/new_template.cpp" line="+17"/>
        <source>Сохранить изменения?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <location filename="../editor/commands/save_project.cpp" line="+15"/>
        <source>Файл «%1» уже существует.<byte value="xd"/>Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists.<byte value="xd"/>Replace it?</translation>
    </message>
    <message>
        <location filename="../editor/commands/symmetry_commands.cpp" line="+15"/>
        <source>Преобразование %1</source>
        <translation>Transform %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Отражение %1 слева направо</source>
        <translation>Mirror %1 left to right</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Отражение %1 сверху вниз</source>
        <translation>Mirror %1 top to bottom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Поворот %1 на 90°</source>
        <translation>Rotate %1 by 90°</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Поворот %1 на 180°</source>
        <translation>Rotate %1 by 180°</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Поворот %1 на 270°</source>
        <translation>Rotate %1 by 270°</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Дублирование %1 для игроков</source>
        <translation>Duplicate %1 for players</translation>
    </message>
    <message>
        <location filename="../editor/commands/toolbar.cpp" line="+41"/>
        <source>Создать новый шаблон</source>
        <translation>Create a new template</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Создать шаблон по образцу</source>
        <translation>Create a template from a pattern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Загрузить проект шаблона</source>
        <translation>Open a template project</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Сохранить проект шаблона</source>
        <translation>Save the template project</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Импорт шаблона из файла rmg (beta!)</source>
        <translation>Import a template from an rmg file (beta!)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Компилировать проект (Добавление шаблона в файл)</source>
        <translation>Compile the project (add the template to a file)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Шаг назад</source>
        <translation>Step back</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Шаг вперед</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Создание локации</source>
        <translation>Create a zone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Создание перехода между локациями</source>
        <translation>Create a connection between zones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Удаление локации или перехода</source>
        <translation>Delete a zone or connection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Движение локации или перехода</source>
        <translation>Move a zone or connection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Копирование локации/перехода</source>
        <translation>Copy a zone/connection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Выделение</source>
        <translation>Select</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Симметрия</source>
        <translation>Symmetry</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Свойства шаблона. Чтобы попасть в свойства локации или перехода, щелкните по нему правой конпкой.</source>
        <translation>Template properties. For the properties of a zone or connection, right-click it.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Увеличить</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Уменьшить</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Readme&amp;help</source>
        <translation>Readme&amp;help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Проверка шаблона на наличие ошибок</source>
        <translation>Check the template for errors</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Двигатся вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Двигатся вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Двигатся влево</source>
        <translation>Move left</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Двигатся вправо</source>
        <translation>Move right</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Вернутся в начало координат</source>
        <translation>Back to the origin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Анализ шаблона</source>
        <translation>Template analysis</translation>
    </message>
    <message>
        <location filename="../editor/commands/view_commands.h" line="+12"/>
        <source>Перейти к локации</source>
        <translation>Go to zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Номер локации:</source>
        <translation>Zone number:</translation>
    </message>
    <message>
        <location filename="../editor/document.h" line="+20"/>
        <source>Редактор шаблонов - </source>
        <translation>Template editor - </translation>
    </message>
    <message>
        <location filename="../editor/recent_files.cpp" line="+12"/>
        <source>Файл не найден и удален из списка последних файлов:<byte value="xd"/>%1</source>
        <translation>File not found and removed from the recent files list:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location filename="../editor/recovery.cpp" line="+92"/>
        <source>%1<byte value="xd"/>%2<byte value="xd"/>Последняя запись: %3</source>
        <translation>%1<byte value="xd"/>%2<byte value="xd"/>Last saved: %3</translation>
    </message>
    <message>
        <location filename="../editor/recovery.h" line="+56"/>
        <source>Восстановить несохраненный шаблон?</source>
        <translation>Recover the unsaved template?</translation>
    </message>
    <message>
        <location filename="../editor/step_names.cpp" line="+10"/>
        <source>%1 локации</source>
        <translation>%1 zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 локаций</source>
        <translation>%1 zones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 перехода</source>
        <translation>%1 connection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 переходов</source>
        <translation>%1 connections</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 локации %2</source>
        <translation>%1 zone %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 перехода %2–%3</source>
        <translation>%1 connection %2–%3</translation>
    </message>
    <message>
        <location filename="../editor/step_names.h" line="+14"/>
        <source>Восстановление несохраненного шаблона</source>
        <translation>Recover the unsaved template</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Настройка шаблона</source>
        <translation>Template settings</translation>
    </message>
    <message>
        <location filename="../editor/tools/create_connection_tool.cpp" line="+9"/>
        <source>Нет локации. Чтобы создать переход, щелкните на локацию, затем не отпуская кнопку перетащите на другую локацию, затем отпустите.</source>
        <translation>No zone here. To create a connection, click a zone, drag to another zone holding the button down, then release it.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Слишком много переходов между этими локациями</source>
        <translation>Too many connections between these zones</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Новый проход</source>
        <translation>New passage in</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../editor/tools/create_zone_tool.cpp" line="+25"/>
        <source>Создание</source>
        <translation>Create</translation>
    </message>
    <message>
        <location filename="../editor/tools/delete_tool.cpp" line="+9"/>
        <source>Вы действительно хотите удалить локацию и все соединенные с ней переходы?</source>
        <translation>Do you really want to delete the zone and all connections attached to it?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Вы действительно хотите удалить переход?</source>
        <translation>Do you really want to delete the connection?</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+11"/>
        <source>Удаление</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../editor/tools/drag_tool.cpp" line="+11"/>
        <source>Этот переход уже существует</source>
        <translation>This connection already exists</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+39"/>
        <source>Копирование</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Перемещение</source>
        <translation>Move</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Перенос</source>
        <translation>Move</translation>
    </message>
    <message>
        <location filename="../editor/tools/edit_selected_zones.cpp" line="+40"/>
        <source>Настройка %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <location filename="../editor/tools/selection_tool.cpp" line="+114"/>
        <source>Перемещение %1</source>
        <translation>Move %1</translation>
    </message>
    <message>
        <location filename="../editor/tools/tool.cpp" line="+50"/>
        <location line="+9"/>
        <source>Настройка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location filename="../editor/tools/tool.h" line="+113"/>
        <source>Здесь уже есть локация. Во избежание пересечения и совпадания локаций, размещение их в одной, а также соседних узлах запрещено.</source>
        <translation>There is already a zone here. To keep zones from overlapping, two zones may not be placed on the same or neighbouring nodes.</translation>
    </message>
    <message>
        <location filename="../editor/commands/readme_command.h" line="+16"/>
        <source>Readme&amp;help.txt</source>
        <translation>Readme&amp;help.en.txt</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <location filename="../model/fragment.cpp" line="+20"/>
        <source>В буфере обмена нет фрагмента шаблона.</source>
        <translation>The clipboard holds no template fragment.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Фрагмент шаблона в буфере обмена поврежден (%1).</source>
        <translation>The template fragment in the clipboard is damaged (%1).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: %2 вне пределов от 0 до %3</source>
        <translation>%1: %2 is outside 0 to %3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>%1: ожидается номер версии</source>
        <translation>%1: a version number is expected</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Фрагмент шаблона записан более новой версией редактора (версия %1), его нельзя вставить.</source>
        <translation>The template fragment was written by a newer version of the editor (version %1) and cannot be pasted.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: неизвестный ключ</source>
        <translation>%1: unknown key</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: нет списка локаций</source>
        <translation>%1: no list of zones</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: фрагмент без локаций</source>
        <translation>%1: a fragment without zones</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Фрагмент не содержит локаций.</source>
        <translation>The fragment holds no zones.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Не найдено свободного места для вставки фрагмента.</source>
        <translation>No free place was found to paste the fragment.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Фрагмент поврежден: переход ведет к локации вне фрагмента.</source>
        <translation>The fragment is damaged: a connection leads to a zone outside the fragment.</translation>
    </message>
    <message>
        <location filename="../model/name_rules.cpp" line="+10"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Название шаблона не должно содержать символов табуляции и перевода строки</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The template name must not contain tabs or line breaks</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Название шаблона не должно быть длиннее 64 символов</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The template name must not be longer than 64 characters</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Название шаблона может содержать только русские и латинские буквы, цифры и знаки кодировки Windows-1251</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The template name may contain only Russian and Latin letters, digits and characters of the Windows-1251 encoding</translation>
    </message>
    <message>
        <location filename="../model/presets.cpp" line="+10"/>
        <source>Очень маленький</source>
        <translation>Very small</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Маленький</source>
        <translation>Small</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ниже среднего</source>
        <translation>Below average</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Средний</source>
        <translation>Average</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выше среднего</source>
        <translation>Above average</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Большой</source>
        <translation>Large</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Очень большой</source>
        <translation>Very large</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Огромный</source>
        <translation>Huge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Нет охраны</source>
        <translation>No guard</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Очень слабая</source>
        <translation>Very weak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Слабая</source>
        <translation>Weak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ниже средней</source>
        <translation>Below average</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средняя</source>
        <translation>Average</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Выше средней</source>
        <translation>Above average</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Сильная</source>
        <translation>Strong</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Очень сильная</source>
        <translation>Very strong</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Мощная</source>
        <translation>Mighty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Настроить...</source>
        <translation>Custom...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Группа отсутствует</source>
        <translation>No group</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Бедные сокровища, мало</source>
        <translation>Poor treasure, few</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Бедные сокровища, средне</source>
        <translation>Poor treasure, some</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Бедные сокровища, много</source>
        <translation>Poor treasure, many</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средние сокровища, мало</source>
        <translation>Average treasure, few</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средние сокровища, средне</source>
        <translation>Average treasure, some</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средние сокровища, много</source>
        <translation>Average treasure, many</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Богатые сокровища, мало</source>
        <translation>Rich treasure, few</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Богатые сокровища, средне</source>
        <translation>Rich treasure, some</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Богатые сокровища, много</source>
        <translation>Rich treasure, many</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Особые сокровища, мало</source>
        <translation>Special treasure, few</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Особые сокровища, средне</source>
        <translation>Special treasure, some</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Особые сокровища, много</source>
        <translation>Special treasure, many</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Очень богатые, мало</source>
        <translation>Very rich, few</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>синий</source>
        <translation>blue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>коричневый</source>
        <translation>tan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>зеленый</source>
        <translation>green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>фиолетовый</source>
        <translation>purple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>бирюзовый</source>
        <translation>teal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>розовый</source>
        <translation>pink</translation>
    </message>
    <message>
        <location filename="../model/presets.h" line="+23"/>
        <source>Очень маленький (5)</source>
        <translation>Very small (5)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Маленький (7)</source>
        <translation>Small (7)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ниже среднего (10)</source>
        <translation>Below average (10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средний (14)</source>
        <translation>Average (14)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выше среднего (18)</source>
        <translation>Above average (18)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Большой (23)</source>
        <translation>Large (23)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Очень большой (30)</source>
        <translation>Very large (30)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Огромный (40)</source>
        <translation>Huge (40)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Нет охраны (0)</source>
        <translation>No guard (0)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Очень слабая (2000)</source>
        <translation>Very weak (2000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Слабая (3000)</source>
        <translation>Weak (3000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ниже средней (4500)</source>
        <translation>Below average (4500)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Средняя (6000)</source>
        <translation>Average (6000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выше средней (8000)</source>
        <translation>Above average (8000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Сильная (10000)</source>
        <translation>Strong (10000)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Очень сильная (12500)</source>
        <translation>Very strong (12500)</translation>
    </message>
    <message>
        <location filename="../model/project_file.cpp" line="+42"/>
        <source>%1<byte value="xd"/>Файл поврежден: %2.</source>
        <translation>%1<byte value="xd"/>The file is damaged: %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+99"/>
        <source>недостаточно памяти для распаковки</source>
        <translation>not enough memory to unpack</translation>
    </message>
    <message>
        <location line="-89"/>
        <location line="+86"/>
        <source>данные обрываются раньше конца</source>
        <translation>the data break off before the end</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>сжатые данные испорчены</source>
        <translation>the compressed data are corrupt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>отрицательная длина названия шаблона</source>
        <translation>negative length of the template name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>название шаблона слишком длинное</source>
        <translation>the template name is too long</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>неизвестный способ записи названия шаблона (код %1)</source>
        <translation>unknown way of storing the template name (code %1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+183"/>
        <source>отрицательное количество %1 (%2)</source>
        <translation>negative number of %1 (%2)</translation>
    </message>
    <message>
        <location line="-179"/>
        <source>слишком много %1 (%2, допустимо не больше %3)</source>
        <translation>too many %1 (%2, at most %3 allowed)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>переход %1 ведет к локации %2, которой нет (локаций всего %3)</source>
        <translation>connection %1 leads to zone %2, which does not exist (%3 zones in all)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>у перехода %1 число проходов %2 вне пределов от 1 до 8</source>
        <translation>connection %1 has %2 passages, outside 1 to 8</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+208"/>
        <source>локаций</source>
        <translation>zones</translation>
    </message>
    <message>
        <location line="-203"/>
        <source>переходов</source>
        <translation>connections</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>после последнего перехода есть лишние данные</source>
        <translation>there are extra data after the last connection</translation>
    </message>
    <message>
        <location line="+107"/>
        <location line="+172"/>
        <source>после дополнительных полей есть лишние данные</source>
        <translation>there are extra data after the additional fields</translation>
    </message>
    <message>
        <location line="-166"/>
        <location line="+148"/>
        <location line="+10"/>
        <source>дополнительные поля обрываются раньше конца</source>
        <translation>the additional fields break off before the end</translation>
    </message>
    <message>
        <location line="-140"/>
        <source>отрицательная длина текста дополнительного поля</source>
        <translation>negative length of an additional field&apos;s text</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>дополнительных полей</source>
        <translation>additional fields</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>неизвестные признаки дополнительного поля</source>
        <translation>unknown flags of an additional field</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>дополнительное поле «%1» записано дважды</source>
        <translation>additional field &quot;%1&quot; is stored twice</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>слишком много дополнительных полей (допустимо не больше %1)</source>
        <translation>too many additional fields (at most %1 allowed)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>строк шаблона</source>
        <translation>template rows</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>дополнительные поля локации %1, которой нет (локаций всего %2)</source>
        <translation>additional fields of zone %1, which does not exist (%2 zones in all)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>дополнительные поля локации %1 записаны не по порядку или дважды</source>
        <translation>additional fields of zone %1 are stored out of order or twice</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>проходов</source>
        <translation>passages</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>дополнительные поля прохода %1 перехода %2, которого нет</source>
        <translation>additional fields of passage %1 of connection %2, which does not exist</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>дополнительные поля прохода %1 перехода %2 записаны не по порядку или дважды</source>
        <translation>additional fields of passage %1 of connection %2 are stored out of order or twice</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>дополнительные поля записаны в неизвестном виде (версия %1)</source>
        <translation>the additional fields are stored in an unknown form (version %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>дополнительные поля занимают больше %1 МБ</source>
        <translation>the additional fields take more than %1 MB</translation>
    </message>
    <message>
        <location filename="../model/project_file.h" line="+21"/>
        <source>Не удалось загрузить файл шаблона!</source>
        <translation>Could not load the template file!</translation>
    </message>
    <message>
        <location filename="../model/template_json.cpp" line="+185"/>
        <source>ожидается целое число</source>
        <translation>a whole number is expected</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <source>число вне 32-битного диапазона</source>
        <translation>the number is outside the 32-bit range</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ожидается true или false</source>
        <translation>true or false is expected</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ожидается строка</source>
        <translation>a string is expected</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>есть символы, которых нет в кодировке Windows-1251</source>
        <translation>has characters the Windows-1251 encoding lacks</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ожидается список</source>
        <translation>a list is expected</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ожидается объект</source>
        <translation>an object is expected</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>неизвестный ключ</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>ожидается %1 значение</source>
        <translation>%1 value expected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ожидается %1 значения</source>
        <translation>%1 values expected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ожидается %1 значений</source>
        <translation>%1 values expected</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>не более %1 значения</source>
        <translation>at most %1 value</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>не более %1 значений</source>
        <translation>at most %1 values</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>в названии поля есть символы, которых нет в кодировке Windows-1251</source>
        <translation>the field name has characters the Windows-1251 encoding lacks</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ожидается строка или объект</source>
        <translation>a string or an object is expected</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+38"/>
        <source>нет ключа</source>
        <translation>key missing</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>нет локации с индексом %1 (%2)</source>
        <translation>no zone with index %1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>всего %1 локация</source>
        <translation>%1 zone in all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>всего %1 локации</source>
        <translation>%1 zones in all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>всего %1 локаций</source>
        <translation>%1 zones in all</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>должно быть от 1 до 8</source>
        <translation>must be 1 to 8</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>слишком длинное для файла проекта</source>
        <translation>too long for a project file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>больше 65535 локаций</source>
        <translation>more than 65535 zones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>больше 65535 переходов</source>
        <translation>more than 65535 connections</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>больше дополнительных полей, чем вмещает файл проекта</source>
        <translation>more additional fields than a project file can hold</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>ошибка в записи JSON около байта %1</source>
        <translation>JSON syntax error near byte %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ошибка в записи JSON: число вне допустимых пределов</source>
        <translation>JSON syntax error: a number out of range</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>шаблон должен быть объектом JSON</source>
        <translation>the template must be a JSON object</translation>
    </message>
    <message>
        <location filename="../model/transform.cpp" line="+111"/>
        <source>Нет локации с номером %1.</source>
        <translation>There is no zone number %1.</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Вы действительно хотите удалить выбранные локации (%1) и все соединенные с ними переходы (%2)?</source>
        <translation>Do you really want to delete the selected zones (%1) and all connections attached to them (%2)?</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Шаблон стал бы слишком большим: локаций было бы %1, переходов %2, а файл проекта вмещает не больше %3 тех и других.</source>
        <translation>The template would become too large: it would have %1 zones and %2 connections, and a project file holds at most %3 of each.</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>список локаций пуст</source>
        <translation>the zone list is empty</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>неверный элемент списка локаций %1: ожидается номер локации или диапазон вида 3-5</source>
        <translation>wrong item of the zone list %1: a zone number or a range such as 3-5 is expected</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>нет локации %1 (локаций в шаблоне: %2)</source>
        <translation>no zone %1 (zones in the template: %2)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>обратный диапазон %1: пишите %2-%3</source>
        <translation>reversed range %1: write %2-%3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>список замены владельцев пуст</source>
        <translation>the owner replacement list is empty</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+8"/>
        <source>неверная пара владельцев %1: ожидается A=B с игроками от 1 до 8</source>
        <translation>wrong owner pair %1: A=B with players from 1 to 8 is expected</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>владелец %1 в %2 не от 1 до 8</source>
        <translation>owner %1 in %2 is not from 1 to 8</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>игрок %1 заменяется дважды</source>
        <translation>player %1 is replaced twice</translation>
    </message>
    <message>
        <location filename="../model/transform.h" line="+30"/>
        <source>Здесь уже есть локация. Во избежание пересечения и совпадания локаций, размещение их в одной, а также соседних узлах запрещено.</source>
        <translation>There is already a zone here. To keep zones from overlapping, two zones may not be placed on the same or neighbouring nodes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Не выбрано ни одной локации.</source>
        <translation>No zone is selected.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Локации вышли бы за пределы сетки: координаты узлов ограничены числами от -2147483648 до 2147483647.</source>
        <translation>The zones would leave the grid: node coordinates are limited to -2147483648 to 2147483647.</translation>
    </message>
    <message>
        <location filename="../model/zone_rules.cpp" line="+48"/>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка в локации %1</source>
        <translation>Error in zone %1</translation>
    </message>
    <message>
        <location filename="../model/zone_rules.h" line="+20"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Если локация является основной для игрока, то необходимо установить игрка-владельца</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>A player&apos;s start zone needs an owning player</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>У локации установлен владелец, но нет ни одного замка, принадлежащего ему</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The zone has an owner, but no castle belongs to them</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Нет допустимых типов городов</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>No town types are allowed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Нет допустимых типов монстров</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>No monster types are allowed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Нет допустимых типов территории</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>No terrain types are allowed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>У локации нет владельца, но есть города, которые не являются нейтральными</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The zone has no owner, but has towns that are not neutral</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Территория совпадает по типу с замком, которого нет</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The terrain matches the type of a castle that does not exist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Монстры из города, а городов нет</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The monsters match the town, but there are no towns</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Группа сокровищ #1, минимальная богатость больше максимальной</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>Treasure group #1: the minimum value is above the maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Группа сокровищ #2, минимальная богатость больше максимальной</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>Treasure group #2: the minimum value is above the maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Группа сокровищ #3, минимальная богатость больше максимальной</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>Treasure group #3: the minimum value is above the maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Локация существует только вместе с владельцем, но самого владельца нет</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The zone exists only together with its owner, but there is no owner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ошибка<byte value="xd"/><byte value="xd"/>Локация существует только вместе с владельцем, но владелец и так обязательно существует. Вы можете убрать условие существования</source>
        <translation>Error<byte value="xd"/><byte value="xd"/>The zone exists only together with its owner, but the owner always exists anyway. You can remove the existence condition</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <location filename="../pattern/generate.cpp" line="+486"/>
        <source>Кольцо</source>
        <translation>Ring</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Звезда</source>
        <translation>Star</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Кольцо с центром</source>
        <translation>Ring with centre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>на %1 игрока</source>
        <translation>for %1 player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>на %1 игроков</source>
        <translation>for %1 players</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 должно быть от %2 до %3</source>
        <translation>%1 must be from %2 to %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Число игроков</source>
        <translation>The number of players</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Число своих локаций игрока</source>
        <translation>The number of each player&apos;s own zones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Число локаций между соседями</source>
        <translation>The number of zones between neighbours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Число локаций в центре</source>
        <translation>The number of zones in the centre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Вариант должен быть от 0 до %1</source>
        <translation>The variant must be from 0 to %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Звезда соединяет игроков только через центр: локаций между соседями у нее нет</source>
        <translation>A star joins the players only through the centre: it has no zones between neighbours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Звезде нужен центр: хотя бы одна локация в центре</source>
        <translation>A star needs a centre: at least one zone in the centre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>У кольца нет центра: для локаций в центре выберите образец «Кольцо с центром»</source>
        <translation>A ring has no centre: for zones in the centre choose the pattern &quot;Ring with centre&quot;</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <location filename="../platform/files.cpp" line="+17"/>
        <source>файл или папка не найдены</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>доступ запрещён</source>
        <translation>access denied</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>файл занят другой программой</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>файл или диск только для чтения</source>
        <translation>the file or disk is read-only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>файл только для чтения</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>недопустимое имя файла</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <location line="+68"/>
        <source> (код %1)</source>
        <translation> (code %1)</translation>
    </message>
    <message>
        <location filename="../platform/services.h" line="+28"/>
        <source>Редактор шаблонов</source>
        <translation>Template editor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Файл шаблона 0.95 (*.tpz)|*.tpz|Любой файл|*.*</source>
        <translation>Template file 0.95 (*.tpz)|*.tpz|Any file|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Файл шаблона (*.tpz)|*.tpz|Любой файл|*.*</source>
        <translation>Template file (*.tpz)|*.tpz|Any file|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rmg.txt|rmg.txt|Любой файл|*.*</source>
        <translation>rmg.txt|rmg.txt|Any file|*.*</translation>
    </message>
</context>
<context>
    <name>Rmg</name>
    <message>
        <location filename="../rmg/compile.cpp" line="+44"/>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, которых нет в классической таблице: %2.<byte value="xd"/>Записать шаблон без них?</source>
        <translation>%1 that a classic table does not have: %2.<byte value="xd"/>Write the template without them?</translation>
    </message>
    <message>
        <location filename="../rmg/compile.h" line="+24"/>
        <source>Шаблон хранит поля расширенной таблицы</source>
        <translation>The template keeps extended table fields</translation>
    </message>
    <message>
        <location filename="../rmg/extended_table.cpp" line="+23"/>
        <source>Таблица в расширенном формате не читается: %1</source>
        <translation>The extended table cannot be read: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>число полей в строке данных (%1) не сходится с заголовком раздела %2</source>
        <translation>the field count in the data row (%1) does not match the header of section %2</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>в разделе %1 нет столбца «%2»</source>
        <translation>section %1 has no column &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>кавычка в строке %1 не закрыта до конца таблицы</source>
        <translation>the quote in row %1 is not closed before the end of the table</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>в строке %1 больше ячеек, чем столбцов в заголовке (%2)</source>
        <translation>row %1 has more cells than the header has columns (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>нужны три строки заголовка (Pack, Map, Zone, Connections) и строка данных с числами полей</source>
        <translation>three header rows (Pack, Map, Zone, Connections) and a data row with the field counts are needed</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>у шаблона «%1» (строка %2) нет ни одной локации</source>
        <translation>template &quot;%1&quot; (row %2) has no zones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>таблица больше 2 ГБ</source>
        <translation>the table is larger than 2 GB</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>в первой строке заголовка ожидался раздел «%1», а стоит «%2» (разделы: Pack, Map, Zone, Connections)</source>
        <translation>the first header row should have section &quot;%1&quot; but has &quot;%2&quot; (sections: Pack, Map, Zone, Connections)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>первая строка заголовка должна начинаться с раздела «Pack»</source>
        <translation>the first header row must begin with section &quot;Pack&quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>в первой строке заголовка нет раздела «%1»</source>
        <translation>the first header row has no section &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>в разделе Pack нет семи столбцов чисел полей (Field count)</source>
        <translation>section Pack does not have the seven field count columns (Field count)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>первая строка данных не начинается с семи чисел полей (Field count: Town, Terrain, Zone type, Pack new, Map new, Zone new, Connection new)</source>
        <translation>the first data row does not begin with the seven field counts (Field count: Town, Terrain, Zone type, Pack new, Map new, Zone new, Connection new)</translation>
    </message>
    <message>
        <location filename="../rmg/import.h" line="+19"/>
        <source>Не найдено ни одного шаблона!</source>
        <translation>No templates found!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ошибка при отображении</source>
        <translation>Layout error</translation>
    </message>
    <message>
        <location filename="../rmg/table_encoding.cpp" line="+24"/>
        <source>Таблица сохранена в кодировке UTF-8, и в строке %1 есть знак «%2» (%3), которого нет в Windows-1251. Сохраните таблицу в кодировке Windows-1251, заменив такие знаки.</source>
        <translation>The table is saved in UTF-8, and line %1 has the character &quot;%2&quot; (%3), which Windows-1251 lacks. Save the table in Windows-1251, replacing such characters.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Таблица помечена как UTF-8, но в строке %1 есть байты, которые не читаются как UTF-8. Сохраните таблицу в кодировке Windows-1251.</source>
        <translation>The table is marked as UTF-8, but line %1 has bytes that do not read as UTF-8. Save the table in Windows-1251.</translation>
    </message>
    <message>
        <location filename="../rmg/table_encoding.h" line="+45"/>
        <source>Таблица сохранена в кодировке UTF-8 и прочитана с переводом в Windows-1251.</source>
        <translation>The table is saved in UTF-8 and was read with conversion to Windows-1251.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Таблица сохранена в кодировке UTF-8. Записать её в кодировке Windows-1251?</source>
        <translation>The table is saved in UTF-8. Write it in Windows-1251?</translation>
    </message>
    <message>
        <location filename="../rmg/table_hints.cpp" line="+31"/>
        <source>Строки файла заканчиваются только символом LF, а ячейки заключены в двойные кавычки</source>
        <translation>The file&apos;s lines end with LF only, and its cells are in double quotes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Строки файла заканчиваются только символом LF</source>
        <translation>The file&apos;s lines end with LF only</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ячейки файла заключены в двойные кавычки</source>
        <translation>The file&apos;s cells are in double quotes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (так сохраняют таблицы некоторые редакторы таблиц). Сохраните его как текст с разделителями табуляции, с концами строк CR LF и без кавычек.</source>
        <translation>%1 (as some spreadsheet programs save tables). Save it as tab-separated text with CR LF line ends and no quotes.</translation>
    </message>
    <message>
        <location filename="../rmg/template_list.h" line="+65"/>
        <source>Выберите импортируемый шаблон</source>
        <translation>Choose the template to import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вы действительно хотите удалить все шаблоны из файла, оставив только заголовок?</source>
        <translation>Do you really want to delete all templates from the file, keeping only the header?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Некоторые шаблоны были удалены из файла rmg. Вы хотите сохранить эти изменения?</source>
        <translation>Some templates were deleted from the rmg file. Do you want to save these changes?</translation>
    </message>
</context>
</TS>

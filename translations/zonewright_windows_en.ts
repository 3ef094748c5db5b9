<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../dialogs/connection_logic.h" line="+19"/>
        <source>Настройка перехода</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Параметры перехода</source>
        <translation>Connection parameters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Количество переходов:</source>
        <translation>Number of passages:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>П. </source>
        <translation>P. </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Тип прохода</source>
        <translation>Passage type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Обычный</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Широкий (очень)</source>
        <translation>Wide (very)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Страж прохода</source>
        <translation>Border guard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Охрана прохода</source>
        <translation>Passage guard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Автоматически определять условия существования</source>
        <translation>Determine existence conditions automatically</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../dialogs/zone_logic.h" line="+103"/>
        <source>Требуется игроков-людей</source>
        <translation>Human players required</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Максимум игроков-людей</source>
        <translation>Human players at most</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Требуется игроков всего</source>
        <translation>Players required in all</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Максимум игроков всего</source>
        <translation>Players at most in all</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/duplicate_logic.h" line="+34"/>
        <location filename="../dialogs/pattern_logic.h" line="+35"/>
        <location filename="../dialogs/template_logic.h" line="+45"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/duplicate_logic.h" line="+1"/>
        <location filename="../dialogs/pattern_logic.h" line="+1"/>
        <location filename="../dialogs/template_list_logic.h" line="+30"/>
        <location filename="../dialogs/template_logic.h" line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../dialogs/duplicate_logic.cpp" line="+8"/>
        <source>Игрок %1 →</source>
        <translation>Player %1 →</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Игрока %1 в шаблоне нет: копии локаций игрока %2 могут принадлежать только игрокам от 1 до %3.</source>
        <translation>The template has no player %1: copies of player %2&apos;s zones can belong only to players 1 to %3.</translation>
    </message>
    <message>
        <location filename="../dialogs/duplicate_logic.h" line="-18"/>
        <source>Дублировать для игроков</source>
        <translation>Duplicate for players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Владелец копии</source>
        <translation>Owner of the copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Размещение копии</source>
        <translation>Placement of the copy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Игрок 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Игрок 2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Игрок 3</source>
        <translation>Player 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Игрок 4</source>
        <translation>Player 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Игрок 5</source>
        <translation>Player 5</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Игрок 6</source>
        <translation>Player 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Игрок 7</source>
        <translation>Player 7</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Игрок 8</source>
        <translation>Player 8</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Отразить слева направо (копия справа)</source>
        <translation>Mirror left to right (copy on the right)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Отразить сверху вниз (копия снизу)</source>
        <translation>Mirror top to bottom (copy below)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Повернуть на 90° (копия справа)</source>
        <translation>Rotate by 90° (copy on the right)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Повернуть на 180° (копия справа снизу)</source>
        <translation>Rotate by 180° (copy lower right)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Повернуть на 270° (копия снизу)</source>
        <translation>Rotate by 270° (copy below)</translation>
    </message>
    <message>
        <location filename="../dialogs/field_logic.cpp" line="+21"/>
        <source>Записанное значение %1 лежит вне пределов %2..%3 и сохранится, пока поле не изменено</source>
        <translation>The stored value %1 lies outside %2..%3 and is kept until the field is changed</translation>
    </message>
    <message>
        <location filename="../dialogs/kept_cells_logic.h" line="+17"/>
        <source>Дополнительные поля</source>
        <translation>Additional fields</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../dialogs/pattern_logic.cpp" line="+86"/>
        <source>Локаций: %1, у каждого игрока %2 (старт и свои)</source>
        <translation>Zones: %1, each player has %2 (start and own)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Сокровища не дальше 2 переходов от старта: %1 у каждого игрока</source>
        <translation>Treasure within 2 connections of the start: %1 for each player</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Сокровища не дальше 2 переходов от старта: от %1 до %2</source>
        <translation>Treasure within 2 connections of the start: %1 to %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>До ближайшего соперника: %1 %2</source>
        <translation>To the nearest opponent: %1 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>переход</source>
        <translation>connection</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>перехода</source>
        <translation>connections</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>переходов</source>
        <translation>connections</translation>
    </message>
    <message>
        <location filename="../dialogs/pattern_logic.h" line="-14"/>
        <source>Шаблон по образцу</source>
        <translation>Template from a pattern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Образец</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Кольцо с центром</source>
        <translation>Ring with centre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Кольцо</source>
        <translation>Ring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Звезда</source>
        <translation>Star</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Игроков</source>
        <translation>Players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Своих локаций у игрока</source>
        <translation>Own zones per player</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Локаций между соседями</source>
        <translation>Zones between neighbours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Локаций в центре</source>
        <translation>Zones in the centre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/template_logic.h" line="-23"/>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Что получится</source>
        <translation>Preview</translation>
    </message>
    <message>
        <location filename="../dialogs/template_list_logic.h" line="-11"/>
        <source>Вставка шаблона в файл</source>
        <translation>Insert template into file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Имеющиеся шаблоны в файле</source>
        <translation>Templates in the file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Название вашего шаблона</source>
        <translation>Name of your template</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Двойной щелчок на одном из шаблонов файла, чтобы заменить имеющийся)</source>
        <translation>(Double-click one of the file&apos;s templates to replace it)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>В файле уже имеются следующие шаблоны:</source>
        <translation>The file already holds these templates:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Удалить все</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Добавить шаблон</source>
        <translation>Add template</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Импорт</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Параметры пакета</source>
        <translation>Pack settings</translation>
    </message>
    <message>
        <location filename="../dialogs/template_logic.h" line="-2"/>
        <source>Настройка шаблона</source>
        <translation>Template settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Параметры шаблона</source>
        <translation>Template parameters</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Допустимые размеры карты: [</source>
        <translation>Allowed map sizes: [</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>36х36х1</source>
        <translation>36x36x1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>36х36х2</source>
        <translation>36x36x2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>72х72х1</source>
        <translation>72x72x1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>72х72х2</source>
        <translation>72x72x2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>108х108х1</source>
        <translation>108x108x1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>108х108х2</source>
        <translation>108x108x2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>144х144х1</source>
        <translation>144x144x1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>144х144х2</source>
        <translation>144x144x2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Кол-во игроков всего</source>
        <translation>Players in all</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Два игрока</source>
        <translation>Two players</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Три игрока</source>
        <translation>Three players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Четыре игрока</source>
        <translation>Four players</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Пять игроков</source>
        <translation>Five players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Шесть игроков</source>
        <translation>Six players</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Семь игроков</source>
        <translation>Seven players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Восемь игроков</source>
        <translation>Eight players</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Параметры игроков</source>
        <translation>Player parameters</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../dialogs/zone_logic.h" line="-76"/>
        <source>Игрок 1 (красный)</source>
        <translation>Player 1 (red)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 2 (синий)</source>
        <translation>Player 2 (blue)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 3 (коричневый)</source>
        <translation>Player 3 (brown)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 4 (зеленый)</source>
        <translation>Player 4 (green)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 5 (оранжевый)</source>
        <translation>Player 5 (orange)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 6 (фиолетовый)</source>
        <translation>Player 6 (purple)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 7 (бирюзовый)</source>
        <translation>Player 7 (turquoise)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../dialogs/zone_logic.h" line="+1"/>
        <source>Игрок 8 (розовый)</source>
        <translation>Player 8 (pink)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Человек или комп</source>
        <translation>Human or computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Комп</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Хотя бы один игрок-человек должен быть!</source>
        <translation>There must be at least one human player!</translation>
    </message>
    <message>
        <location filename="../dialogs/zone_logic.h" line="-17"/>
        <source>Настройка локации</source>
        <translation>Zone settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Тип зоны</source>
        <translation>Zone type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Основная локация игрока</source>
        <translation>Player&apos;s start zone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Сокровищница</source>
        <translation>Treasure zone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Перекресток</source>
        <translation>Junction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Игрок-владелец</source>
        <translation>Owner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Никто</source>
        <translation>Nobody</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Города</source>
        <translation>Towns</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Нет городов</source>
        <translation>No towns</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Один город без форта</source>
        <translation>One town without a fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Один город с фортом</source>
        <translation>One town with a fort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Настроить подробно</source>
        <translation>Set in detail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Настройка городов</source>
        <translation>Town settings</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Городов с фортом</source>
        <translation>Towns with a fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Городов без форта</source>
        <translation>Towns without a fort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Городов с фортом (нейтральных)</source>
        <translation>Towns with a fort (neutral)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Городов без форта (нейтральных)</source>
        <translation>Towns without a fort (neutral)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Все города одного типа</source>
        <translation>All towns of one type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Допустимые типы городов</source>
        <translation>Allowed town types</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+29"/>
        <source>Замок</source>
        <translation>Town type 1</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>Бастион</source>
        <translation>Town type 2</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+29"/>
        <source>Башня</source>
        <translation>Town type 3</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>Инферно</source>
        <translation>Town type 4</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+29"/>
        <source>Некрополис</source>
        <translation>Town type 5</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>Темница</source>
        <translation>Town type 6</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+29"/>
        <source>Цитадель</source>
        <translation>Town type 7</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <source>Крепость</source>
        <translation>Town type 8</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+29"/>
        <source>Сопряжение</source>
        <translation>Town type 9</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Шахты ресурсов</source>
        <translation>Resource mines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Дерево</source>
        <translation>Wood</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Руда</source>
        <translation>Ore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Золото</source>
        <translation>Gold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ртуть</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Сера</source>
        <translation>Sulfur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Кристаллы</source>
        <translation>Crystals</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Др. камни</source>
        <translation>Gems</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Территория</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Территория совпадает по типу с замком</source>
        <translation>Terrain matches the town&apos;s type</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Грязь</source>
        <translation>Dirt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Песок</source>
        <translation>Sand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Трава</source>
        <translation>Grass</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Снег</source>
        <translation>Snow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Болото</source>
        <translation>Swamp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Камни</source>
        <translation>Rough</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Подземелье</source>
        <translation>Underground</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Лава</source>
        <translation>Lava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Монстры</source>
        <translation>Monsters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Сила монстров</source>
        <translation>Monster strength</translation>
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
        <source>Монстры из ближайшего города</source>
        <translation>Monsters of the nearest town</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Нейтральные</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Сокровища</source>
        <translation>Treasure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Первая группа сокровищ:</source>
        <translation>First treasure group:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вторая группа сокровищ:</source>
        <translation>Second treasure group:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Третья группа сокровищ:</source>
        <translation>Third treasure group:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Минимальная богатость (Low)</source>
        <translation>Lowest value (Low)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Максимальная богатость (High)</source>
        <translation>Highest value (High)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Концентрация (Density)</source>
        <translation>Density</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Условие существования</source>
        <translation>Existence condition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Условие отсутствует</source>
        <translation>No condition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Существует только вместе с владельцем</source>
        <translation>Exists only with its owner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Настроить условие подробно</source>
        <translation>Set the condition in detail</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/analysis_panel.cpp" line="+103"/>
        <source>Анализ шаблона</source>
        <translation>Template analysis</translation>
    </message>
    <message>
        <location filename="../app/info_panel_widget.cpp" line="+135"/>
        <source>Сокровища:</source>
        <translation>Treasure:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Шахт нет</source>
        <translation>No mines</translation>
    </message>
    <message>
        <location filename="../app/main_window.cpp" line="+233"/>
        <source>Язык редактора: English или русский</source>
        <translation>Language of the editor: English or Russian</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Нет последних файлов</source>
        <translation>No recent files</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <location filename="../platform/qt_services.cpp" line="+120"/>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../platform/qt_text_window.cpp" line="+44"/>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
</TS>

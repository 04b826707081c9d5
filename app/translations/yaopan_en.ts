<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AlmanacWindow</name>
    <message>
        <location filename="../almanac_window.cpp" line="108"/>
        <location filename="../almanac_window.cpp" line="109"/>
        <source>万年历</source>
        <translation>Perpetual Calendar</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="110"/>
        <source>时辰</source>
        <translation>Double hours</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>干支</source>
        <translation>Stem-branch</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>值神</source>
        <translation>Duty spirit</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>黄黑道</source>
        <translation>Yellow/black path</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="112"/>
        <source>用此日起卦</source>
        <translation>Cast on this day</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="137"/>
        <source>%1年%2月%3日 %4</source>
        <extracomment>The selected day: year, month, day and weekday.</extracomment>
        <translation>%4, %2/%3/%1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="138"/>
        <source>农历%1</source>
        <translation>Lunar date: %1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="146"/>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="151"/>
        <source>%1时</source>
        <translation>%1 hour</translation>
    </message>
</context>
<context>
    <name>ConventionName</name>
    <message>
        <location filename="../convention_texts.cpp" line="14"/>
        <source>子时</source>
        <translation>Zi hour</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="15"/>
        <source>子初换日</source>
        <translation>day turns at 23:00</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="16"/>
        <source>早晚子</source>
        <translation>early and late Zi</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="17"/>
        <source>子正换日</source>
        <translation>day turns at midnight</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="18"/>
        <source>年月柱</source>
        <translation>Year and month pillars</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="19"/>
        <source>年按立春时刻、月按交节日</source>
        <translation>year at Lichun&apos;s moment, month on the term&apos;s day</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="20"/>
        <source>按交节日</source>
        <translation>on the term&apos;s day</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="21"/>
        <source>按交节时刻</source>
        <translation>at the term&apos;s moment</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="22"/>
        <source>年数</source>
        <translation>Year number</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="23"/>
        <source>年柱地支</source>
        <translation>year pillar&apos;s branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="24"/>
        <source>农历年地支</source>
        <translation>lunar year&apos;s branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="25"/>
        <source>旺衰</source>
        <translation>Strength</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="26"/>
        <source>按月令</source>
        <translation>by the month branch</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="27"/>
        <source>按四时</source>
        <translation>by the season</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="38"/>
        <source>%1%2</source>
        <extracomment>A choice&apos;s name and its value, as in 子时早晚子.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="42"/>
        <source>口径：%1</source>
        <translation>Conventions: %1</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="43"/>
        <source>，</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ConventionsDialog</name>
    <message>
        <location filename="../conventions_dialog.cpp" line="25"/>
        <source>23 点起就是次日：日柱、时柱和农历日期都换到次日。</source>
        <translation>From 23:00 it is the next day: the day and hour pillars and the lunar date all move to the next day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="26"/>
        <source>晚子时：日柱和农历日期仍是当日，时柱取次日的子时。</source>
        <translation>Late Zi: the day pillar and the lunar date stay on this day; the hour pillar is the next day&apos;s Zi hour.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="27"/>
        <source>0 点才换日：23 点仍是当日，时柱是当日的子时。</source>
        <translation>The day turns only at 0:00: 23:00 is still this day, its hour pillar this day&apos;s Zi hour.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="33"/>
        <source>年柱拿立春时刻和当日零点比，月柱在交节那天的零点换。</source>
        <translation>The year pillar compares Lichun&apos;s moment with the day&apos;s midnight; the month pillar changes at midnight on the term&apos;s day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="34"/>
        <source>年柱、月柱都在交节那天的零点换。</source>
        <translation>Both the year and the month pillar change at midnight on the term&apos;s day.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="35"/>
        <source>年柱、月柱都在交节的时刻换，和起卦的时、分相比。</source>
        <translation>Both the year and the month pillar change at the term&apos;s moment, compared with the hour and minute cast from.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="41"/>
        <source>传统起卦的年数取年柱的地支，立春换年。</source>
        <translation>Traditional casting counts the year pillar&apos;s branch; the year turns at Lichun.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="42"/>
        <source>传统起卦的年数取农历年的地支，正月初一换年。</source>
        <translation>Traditional casting counts the lunar year&apos;s branch; the year turns on the first day of the first lunar month.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="48"/>
        <source>旺衰按月柱地支（月令）论。</source>
        <translation>Strength is weighed by the month pillar&apos;s branch (the month&apos;s command).</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="49"/>
        <source>旺衰按四时论，土旺于立春、立夏、立秋、立冬前各十八天。</source>
        <translation>Strength is weighed by the season; Earth rules the 18 days before each of Lichun, Lixia, Liqiu and Lidong.</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="131"/>
        <source>口径</source>
        <translation>Conventions</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="138"/>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="141"/>
        <source>各口径比较的时刻（节气、立春、合朔）都取自所用的历法（文件 › 历法）。
内置历表的节气是平气，与实际天象可差约三小时，也没有合朔时刻：
按时、分定分界的口径宜选“天文”；合朔的分界只在“天文”下才有。</source>
        <translation>Every moment the conventions compare (solar terms, Lichun, new moons) comes from the calendar in use (File › Calendar).
The built-in table&apos;s solar terms are mean terms, up to about three hours from the sky&apos;s, and it holds no new moons:
conventions that turn on the hour and minute are best read under “Astronomical”; new-moon boundaries exist only there.</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <location filename="../history_model.cpp" line="18"/>
        <source>起卦时刻：%1</source>
        <translation>Cast from: %1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="24"/>
        <source>西经%1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="24"/>
        <source>东经%1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="26"/>
        <source>真太阳时：%1</source>
        <translation>True solar time: %1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="169"/>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="169"/>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="170"/>
        <source>起卦方式</source>
        <translation>Method</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="170"/>
        <source>问话</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="171"/>
        <source>本卦 → 变卦</source>
        <translation>Primary → Changed</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="171"/>
        <source>备注</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../history_window.cpp" line="66"/>
        <source>起卦记录读取出错：%1</source>
        <translation>The journal of castings could not be read: %1</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="80"/>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="81"/>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="82"/>
        <source>搜索姓名、问话、备注、卦名</source>
        <translation>Search names, questions, notes, hexagram names</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>备注…</source>
        <translation>Note…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="116"/>
        <source>备注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="128"/>
        <source>删除这次起卦的记录（%1）？删除后无法恢复。</source>
        <translation>Delete the record of this casting (%1)? It cannot be undone.</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="138"/>
        <source>导出起卦记录</source>
        <translation>Export Castings</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="138"/>
        <source>起卦记录</source>
        <translation>castings</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>起卦记录无法写入“%1”。</source>
        <translation>The castings could not be written to “%1”.</translation>
    </message>
</context>
<context>
    <name>ReportHeading</name>
    <message>
        <location filename="../report_heading.cpp" line="16"/>
        <source>未填</source>
        <translation>not given</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="28"/>
        <source>问话：“%1”</source>
        <translation>Question: “%1”</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="30"/>
        <source>汉字：“%1”</source>
        <translation>Character: “%1”</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="31"/>
        <source>数字：%1</source>
        <translation>Number: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="33"/>
        <source>上卦：%1&#x3000;下卦：%2&#x3000;动爻：第%3爻</source>
        <translation>Upper: %1   Lower: %2   Moving line: %3</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="37"/>
        <source>时钟分钟：%1</source>
        <translation>Clock minute: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="100"/>
        <source>%1&#x3000;起卦报告</source>
        <translation>%1   Casting Report</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="101"/>
        <source>姓名：%1&#x3000;性别：%2&#x3000;年龄：%3</source>
        <translation>Name: %1   Sex: %2   Age: %3</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="103"/>
        <source>时间：公历%1年%2月%3日%4时</source>
        <translation>Time: %1-%2-%3, hour %4 (Gregorian)</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="108"/>
        <source>起卦方式：%1</source>
        <translation>Method: %1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="109"/>
        <source>起卦方式：%1&#x3000;%2</source>
        <translation>Method: %1   %2</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="110"/>
        <source>历法：天文（真实天象的节气与朔日）</source>
        <translation>Calendar: astronomical (solar terms and new moons of the true sky)</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="111"/>
        <source>历法：内置（农历表与平气节气）</source>
        <translation>Calendar: built-in (lunar table and mean solar terms)</translation>
    </message>
</context>
<context>
    <name>TimeCorrectionDialog</name>
    <message>
        <location filename="../time_correction_dialog.cpp" line="32"/>
        <source>西经%1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="33"/>
        <source>东经%1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="46"/>
        <source>真太阳时要知道地点：请输入地名，或输入经度（东经为正）。</source>
        <translation>True solar time needs a place: enter a place&apos;s name, or a longitude (east positive).</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="51"/>
        <source>经度应在 −180 到 180 之间（东经为正，西经为负），不是 %1。</source>
        <translation>The longitude must be between −180 and 180 (east positive, west negative), not %1.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="57"/>
        <source>地点列表里没有“%1”。请从列出的地点中选一个，或直接输入经度。</source>
        <translation>“%1” is not in the list of places. Choose one of the places offered, or enter a longitude.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="65"/>
        <source>“%1”有%2处同名；可选：%3</source>
        <translation>%2 places are called “%1”; choose one of: %3</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="166"/>
        <source>时间校正</source>
        <translation>Time Correction</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="167"/>
        <source>真太阳时</source>
        <translation>True solar time</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="168"/>
        <source>按起卦地的经度和均时差，把北京时间换成当地的真太阳时。</source>
        <translation>Turns Beijing time into the place&apos;s true solar time by its longitude and the equation of time.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="169"/>
        <source>地点或经度：</source>
        <translation>Place or longitude:</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="170"/>
        <source>地点或经度</source>
        <translation>Place or longitude</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="171"/>
        <source>地名，如 喀什市；或经度，如 75.99</source>
        <translation>A place, e.g. 喀什市; or a longitude, e.g. 75.99</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="172"/>
        <source>经度在 −180 到 180 之间，东经为正；钟表读数按北京时间算。</source>
        <translation>Longitude from −180 to 180, east positive; the clock is read as Beijing time.</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="173"/>
        <source>夏令时</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="174"/>
        <source>钟表读数在夏令时内（如1986—1991年的夏天），先拨回标准时间。</source>
        <translation>A clock reading within summer time (as in the summers of 1986–1991) is first turned back to standard time.</translation>
    </message>
</context>
</TS>

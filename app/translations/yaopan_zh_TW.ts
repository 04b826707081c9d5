<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AlmanacWindow</name>
    <message>
        <location filename="../almanac_window.cpp" line="108"/>
        <location filename="../almanac_window.cpp" line="109"/>
        <source>万年历</source>
        <translation>萬年曆</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="110"/>
        <source>时辰</source>
        <translation>時辰</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>干支</source>
        <translation>干支</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>值神</source>
        <translation>值神</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="111"/>
        <source>黄黑道</source>
        <translation>黃黑道</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="112"/>
        <source>用此日起卦</source>
        <translation>用此日起卦</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="137"/>
        <source>%1年%2月%3日 %4</source>
        <extracomment>The selected day: year, month, day and weekday.</extracomment>
        <translation>%1年%2月%3日 %4</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="138"/>
        <source>农历%1</source>
        <translation>農曆%1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="146"/>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="151"/>
        <source>%1时</source>
        <translation>%1時</translation>
    </message>
</context>
<context>
    <name>ConventionName</name>
    <message>
        <location filename="../convention_texts.cpp" line="14"/>
        <source>子时</source>
        <translation>子時</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="15"/>
        <source>子初换日</source>
        <translation>子初換日</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="16"/>
        <source>早晚子</source>
        <translation>早晚子</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="17"/>
        <source>子正换日</source>
        <translation>子正換日</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="18"/>
        <source>年月柱</source>
        <translation>年月柱</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="19"/>
        <source>年按立春时刻、月按交节日</source>
        <translation>年按立春時刻、月按交節日</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="20"/>
        <source>按交节日</source>
        <translation>按交節日</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="21"/>
        <source>按交节时刻</source>
        <translation>按交節時刻</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="22"/>
        <source>年数</source>
        <translation>年數</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="23"/>
        <source>年柱地支</source>
        <translation>年柱地支</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="24"/>
        <source>农历年地支</source>
        <translation>農曆年地支</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="25"/>
        <source>旺衰</source>
        <translation>旺衰</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="26"/>
        <source>按月令</source>
        <translation>按月令</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="27"/>
        <source>按四时</source>
        <translation>按四時</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="38"/>
        <source>%1%2</source>
        <extracomment>A choice&apos;s name and its value, as in 子时早晚子.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="42"/>
        <source>口径：%1</source>
        <translation>口徑：%1</translation>
    </message>
    <message>
        <location filename="../convention_texts.cpp" line="43"/>
        <source>，</source>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>ConventionsDialog</name>
    <message>
        <location filename="../conventions_dialog.cpp" line="25"/>
        <source>23 点起就是次日：日柱、时柱和农历日期都换到次日。</source>
        <translation>23 點起就是次日：日柱、時柱和農曆日期都換到次日。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="26"/>
        <source>晚子时：日柱和农历日期仍是当日，时柱取次日的子时。</source>
        <translation>晚子時：日柱和農曆日期仍是當日，時柱取次日的子時。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="27"/>
        <source>0 点才换日：23 点仍是当日，时柱是当日的子时。</source>
        <translation>0 點才換日：23 點仍是當日，時柱是當日的子時。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="33"/>
        <source>年柱拿立春时刻和当日零点比，月柱在交节那天的零点换。</source>
        <translation>年柱拿立春時刻和當日零點比，月柱在交節那天的零點換。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="34"/>
        <source>年柱、月柱都在交节那天的零点换。</source>
        <translation>年柱、月柱都在交節那天的零點換。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="35"/>
        <source>年柱、月柱都在交节的时刻换，和起卦的时、分相比。</source>
        <translation>年柱、月柱都在交節的時刻換，和起卦的時、分相比。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="41"/>
        <source>传统起卦的年数取年柱的地支，立春换年。</source>
        <translation>傳統起卦的年數取年柱的地支，立春換年。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="42"/>
        <source>传统起卦的年数取农历年的地支，正月初一换年。</source>
        <translation>傳統起卦的年數取農曆年的地支，正月初一換年。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="48"/>
        <source>旺衰按月柱地支（月令）论。</source>
        <translation>旺衰按月柱地支（月令）論。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="49"/>
        <source>旺衰按四时论，土旺于立春、立夏、立秋、立冬前各十八天。</source>
        <translation>旺衰按四時論，土旺於立春、立夏、立秋、立冬前各十八天。</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="131"/>
        <source>口径</source>
        <translation>口徑</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="138"/>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <location filename="../conventions_dialog.cpp" line="141"/>
        <source>各口径比较的时刻（节气、立春、合朔）都取自所用的历法（文件 › 历法）。
内置历表的节气是平气，与实际天象可差约三小时，也没有合朔时刻：
按时、分定分界的口径宜选“天文”；合朔的分界只在“天文”下才有。</source>
        <translation>各口徑比較的時刻（節氣、立春、合朔）都取自所用的曆法（檔案 › 曆法）。
內建曆表的節氣是平氣，與實際天象可差約三小時，也沒有合朔時刻：
按時、分定分界的口徑宜選「天文」；合朔的分界只在「天文」下才有。</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <location filename="../history_model.cpp" line="18"/>
        <source>起卦时刻：%1</source>
        <translation>起卦時刻：%1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="24"/>
        <source>西经%1°</source>
        <translation>西經%1°</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="24"/>
        <source>东经%1°</source>
        <translation>東經%1°</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="26"/>
        <source>真太阳时：%1</source>
        <translation>真太陽時：%1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="169"/>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="169"/>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="170"/>
        <source>起卦方式</source>
        <translation>起卦方式</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="170"/>
        <source>问话</source>
        <translation>問話</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="171"/>
        <source>本卦 → 变卦</source>
        <translation>本卦 → 變卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="171"/>
        <source>备注</source>
        <translation>備註</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <location filename="../history_window.cpp" line="66"/>
        <source>起卦记录读取出错：%1</source>
        <translation>起卦記錄讀取出錯：%1</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="80"/>
        <source>历史记录</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="81"/>
        <source>搜索</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="82"/>
        <source>搜索姓名、问话、备注、卦名</source>
        <translation>搜尋姓名、問話、備註、卦名</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>备注…</source>
        <translation>備註…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>导出…</source>
        <translation>匯出…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="116"/>
        <source>备注：</source>
        <translation>備註：</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="128"/>
        <source>删除这次起卦的记录（%1）？删除后无法恢复。</source>
        <translation>刪除這次起卦的記錄（%1）？刪除後無法復原。</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="138"/>
        <source>导出起卦记录</source>
        <translation>匯出起卦記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="138"/>
        <source>起卦记录</source>
        <translation>起卦記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>起卦记录无法写入“%1”。</source>
        <translation>起卦記錄無法寫入「%1」。</translation>
    </message>
</context>
<context>
    <name>ReportHeading</name>
    <message>
        <location filename="../report_heading.cpp" line="16"/>
        <source>未填</source>
        <translation>未填</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="28"/>
        <source>问话：“%1”</source>
        <translation>問話：「%1」</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="30"/>
        <source>汉字：“%1”</source>
        <translation>漢字：「%1」</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="31"/>
        <source>数字：%1</source>
        <translation>數字：%1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="33"/>
        <source>上卦：%1&#x3000;下卦：%2&#x3000;动爻：第%3爻</source>
        <translation>上卦：%1&#x3000;下卦：%2&#x3000;動爻：第%3爻</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="37"/>
        <source>时钟分钟：%1</source>
        <translation>時鐘分鐘：%1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="100"/>
        <source>%1&#x3000;起卦报告</source>
        <translation>%1&#x3000;起卦報告</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="101"/>
        <source>姓名：%1&#x3000;性别：%2&#x3000;年龄：%3</source>
        <translation>姓名：%1&#x3000;性別：%2&#x3000;年齡：%3</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="103"/>
        <source>时间：公历%1年%2月%3日%4时</source>
        <translation>時間：公曆%1年%2月%3日%4時</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="108"/>
        <source>起卦方式：%1</source>
        <translation>起卦方式：%1</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="109"/>
        <source>起卦方式：%1&#x3000;%2</source>
        <translation>起卦方式：%1&#x3000;%2</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="110"/>
        <source>历法：天文（真实天象的节气与朔日）</source>
        <translation>曆法：天文（真實天象的節氣與朔日）</translation>
    </message>
    <message>
        <location filename="../report_heading.cpp" line="111"/>
        <source>历法：内置（农历表与平气节气）</source>
        <translation>曆法：內建（農曆表與平氣節氣）</translation>
    </message>
</context>
<context>
    <name>TimeCorrectionDialog</name>
    <message>
        <location filename="../time_correction_dialog.cpp" line="32"/>
        <source>西经%1°</source>
        <translation>西經%1°</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="33"/>
        <source>东经%1°</source>
        <translation>東經%1°</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="46"/>
        <source>真太阳时要知道地点：请输入地名，或输入经度（东经为正）。</source>
        <translation>真太陽時要知道地點：請輸入地名，或輸入經度（東經為正）。</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="51"/>
        <source>经度应在 −180 到 180 之间（东经为正，西经为负），不是 %1。</source>
        <translation>經度應在 −180 到 180 之間（東經為正，西經為負），不是 %1。</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="57"/>
        <source>地点列表里没有“%1”。请从列出的地点中选一个，或直接输入经度。</source>
        <translation>地點列表裡沒有「%1」。請從列出的地點中選一個，或直接輸入經度。</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="65"/>
        <source>“%1”有%2处同名；可选：%3</source>
        <translation>「%1」有%2處同名；可選：%3</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="166"/>
        <source>时间校正</source>
        <translation>時間校正</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="167"/>
        <source>真太阳时</source>
        <translation>真太陽時</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="168"/>
        <source>按起卦地的经度和均时差，把北京时间换成当地的真太阳时。</source>
        <translation>按起卦地的經度和均時差，把北京時間換成當地的真太陽時。</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="169"/>
        <source>地点或经度：</source>
        <translation>地點或經度：</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="170"/>
        <source>地点或经度</source>
        <translation>地點或經度</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="171"/>
        <source>地名，如 喀什市；或经度，如 75.99</source>
        <translation>地名，如 喀什市；或經度，如 75.99</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="172"/>
        <source>经度在 −180 到 180 之间，东经为正；钟表读数按北京时间算。</source>
        <translation>經度在 −180 到 180 之間，東經為正；鐘錶讀數按北京時間算。</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="173"/>
        <source>夏令时</source>
        <translation>夏令時間</translation>
    </message>
    <message>
        <location filename="../time_correction_dialog.cpp" line="174"/>
        <source>钟表读数在夏令时内（如1986—1991年的夏天），先拨回标准时间。</source>
        <translation>鐘錶讀數在夏令時間內（如1986—1991年的夏天），先撥回標準時間。</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AlmanacWindow</name>
    <message>
        <location filename="../almanac_window.cpp" line="121"/>
        <location filename="../almanac_window.cpp" line="122"/>
        <source>万年历</source>
        <translation>萬年曆</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="123"/>
        <source>时辰</source>
        <translation>時辰</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>干支</source>
        <translation>干支</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>值神</source>
        <translation>值神</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="124"/>
        <source>黄黑道</source>
        <translation>黃黑道</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="125"/>
        <source>用此日起卦</source>
        <translation>用此日起卦</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="159"/>
        <source>%1年%2月%3日 %4</source>
        <extracomment>The selected day: year, month, day and weekday.</extracomment>
        <translation>%1年%2月%3日 %4</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="160"/>
        <source>农历%1</source>
        <translation>農曆%1</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="170"/>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <location filename="../almanac_window.cpp" line="185"/>
        <source>%1时</source>
        <translation>%1時</translation>
    </message>
</context>
<context>
    <name>CalendarRuleMenu</name>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="19"/>
        <source>内置</source>
        <translation>內建</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="20"/>
        <source>天文</source>
        <translation>天文</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="54"/>
        <source>历法</source>
        <translation>曆法</translation>
    </message>
</context>
<context>
    <name>CastingRecorder</name>
    <message numerus="yes">
        <location filename="../casting_recorder.cpp" line="122"/>
        <source>%n 次起卦未能记录：
%1</source>
        <translation>
            <numerusform>%n 次起卦未能記錄：
%1</numerusform>
        </translation>
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
    <name>EngineMessage</name>
    <message>
        <location filename="../engine_message.cpp" line="15"/>
        <source>参数错误：请输入汉字！</source>
        <translation>參數錯誤：請輸入漢字！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="16"/>
        <source>参数错误：请输入汉字姓名！</source>
        <translation>參數錯誤：請輸入漢字姓名！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="17"/>
        <source>参数错误：请检查是否输入完整！</source>
        <translation>參數錯誤：請檢查是否輸入完整！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="18"/>
        <source>参数错误：时须在%1到%2之间！</source>
        <translation>參數錯誤：時須在%1到%2之間！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="19"/>
        <source>参数错误：日期须在%1年1月1日到%2年12月31日之间！</source>
        <translation>參數錯誤：日期須在%1年1月1日到%2年12月31日之間！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="20"/>
        <source>参数错误：23时是次日的子时，次日已超出%1年1月1日到%2年12月31日的历法范围！</source>
        <translation>參數錯誤：23時是次日的子時，次日已超出%1年1月1日到%2年12月31日的曆法範圍！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="21"/>
        <source>参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！</source>
        <translation>參數錯誤：1900年1月31日之前沒有農曆日期，傳統起卦要用農曆月日，請改用其他起卦方式！</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="24"/>
        <source>参数错误：无法计算笔画的字：%1</source>
        <translation>參數錯誤：無法計算筆畫的字：%1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="25"/>
        <source>校正后的起卦时刻 %1 超出历法范围（1900-01-01 至 2100-12-31，23时算作次日）</source>
        <translation>校正後的起卦時刻 %1 超出曆法範圍（1900-01-01 至 2100-12-31，23時算作次日）</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="27"/>
        <source>真太阳时须有经度或地点</source>
        <translation>真太陽時須有經度或地點</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="28"/>
        <source>经度须在-180到180之间</source>
        <translation>經度須在-180到180之間</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="29"/>
        <source>不认识时区 %1</source>
        <translation>不認識時區 %1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="30"/>
        <source>时钟读数 %1 从未出现：%2 的钟表在此拨快，跳过了这段时间</source>
        <translation>時鐘讀數 %1 從未出現：%2 的鐘錶在此撥快，跳過了這段時間</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="32"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的，可能由较新版本的程序写成；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>起卦記錄%1的格式編號（%2）不是本程式認得的，可能由較新版本的程式寫成；本程式只讀取它，不會改動它，新的起卦也不會記錄。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="35"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>起卦記錄%1的格式編號（%2）不是本程式認得的；本程式只讀取它，不會改動它，新的起卦也不會記錄。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="37"/>
        <source>起卦记录%1无法写入（%2），新的起卦不会记录；起卦照常进行。</source>
        <translation>起卦記錄%1無法寫入（%2），新的起卦不會記錄；起卦照常進行。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="38"/>
        <source>起卦记录%1无法写入（%2）；已存的记录完好无损。</source>
        <translation>起卦記錄%1無法寫入（%2）；已存的記錄完好無損。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="39"/>
        <source>起卦记录%1无法读取（%2）。</source>
        <translation>起卦記錄%1無法讀取（%2）。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="40"/>
        <source>起卦记录%1无法读取，已改名为%2留存，并新建了一份记录。</source>
        <translation>起卦記錄%1無法讀取，已改名為%2留存，並新建了一份記錄。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="41"/>
        <source>磁盘已满，起卦记录%1写不进去；已存的记录完好无损。</source>
        <translation>磁碟已滿，起卦記錄%1寫不進去；已存的記錄完好無損。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="42"/>
        <source>起卦记录%1正被其他程序占用，这次没有写入，请稍后再试。</source>
        <translation>起卦記錄%1正被其他程式佔用，這次沒有寫入，請稍後再試。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="43"/>
        <source>这条起卦记录已不存在。</source>
        <translation>這條起卦記錄已不存在。</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="44"/>
        <source>只读</source>
        <translation>只讀</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="45"/>
        <source>未能打开</source>
        <translation>未能開啟</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="46"/>
        <source>它是符号链接，为免写到别处，不经由它读写</source>
        <translation>它是符號連結，為免寫到別處，不經由它讀寫</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <location filename="../history_model.cpp" line="26"/>
        <source>起卦时刻：%1</source>
        <translation>起卦時刻：%1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="30"/>
        <source>西经%1°</source>
        <translation>西經%1°</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="30"/>
        <source>东经%1°</source>
        <translation>東經%1°</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="32"/>
        <source>真太阳时：%1</source>
        <translation>真太陽時：%1</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="237"/>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="237"/>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="238"/>
        <source>起卦方式</source>
        <translation>起卦方式</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="238"/>
        <source>问话</source>
        <translation>問話</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="239"/>
        <source>本卦 → 变卦</source>
        <translation>本卦 → 變卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="239"/>
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
        <location filename="../history_window.cpp" line="83"/>
        <source>历史记录</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="84"/>
        <source>搜索</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="85"/>
        <source>搜索姓名、问话、备注、卦名</source>
        <translation>搜尋姓名、問話、備註、卦名</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>备注…</source>
        <translation>備註…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="87"/>
        <source>导出…</source>
        <translation>匯出…</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="121"/>
        <source>备注：</source>
        <translation>備註：</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="133"/>
        <source>删除这次起卦的记录（%1）？删除后无法恢复。</source>
        <translation>刪除這次起卦的記錄（%1）？刪除後無法復原。</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>导出起卦记录</source>
        <translation>匯出起卦記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="143"/>
        <source>起卦记录</source>
        <translation>起卦記錄</translation>
    </message>
    <message>
        <location filename="../history_window.cpp" line="148"/>
        <source>起卦记录无法写入“%1”。</source>
        <translation>起卦記錄無法寫入「%1」。</translation>
    </message>
</context>
<context>
    <name>MethodName</name>
    <message>
        <location filename="../history_model.cpp" line="77"/>
        <source>传统起卦</source>
        <translation>傳統起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="77"/>
        <source>时分起卦</source>
        <translation>時分起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="78"/>
        <source>日期天干数起卦</source>
        <translation>日期天干數起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="78"/>
        <source>日期地支数起卦</source>
        <translation>日期地支數起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="79"/>
        <source>问话字的笔画数起卦</source>
        <translation>問話字的筆畫數起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="79"/>
        <source>单字笔画数起卦</source>
        <translation>單字筆畫數起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="80"/>
        <source>姓名笔画数起卦</source>
        <translation>姓名筆畫數起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="80"/>
        <source>手工指定起卦</source>
        <translation>手工指定起卦</translation>
    </message>
    <message>
        <location filename="../history_model.cpp" line="81"/>
        <source>数字起卦</source>
        <translation>數字起卦</translation>
    </message>
</context>
<context>
    <name>ReadingHeading</name>
    <message>
        <location filename="../reading_headings.cpp" line="9"/>
        <source>【时间】</source>
        <translation>【時間】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="9"/>
        <source>【笔画】</source>
        <translation>【筆畫】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="10"/>
        <source>【卦】</source>
        <translation>【卦】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="10"/>
        <source>【体用】</source>
        <translation>【體用】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="11"/>
        <source>【生克】</source>
        <translation>【生剋】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="11"/>
        <source>【旺衰】</source>
        <translation>【旺衰】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="12"/>
        <source>【经文】</source>
        <translation>【經文】</translation>
    </message>
    <message>
        <location filename="../reading_headings.cpp" line="12"/>
        <source>【六爻】</source>
        <translation>【六爻】</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <location filename="../reference_panel.cpp" line="111"/>
        <source>八卦干支开悟图</source>
        <translation>八卦干支開悟圖</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../report_file.cpp" line="22"/>
        <source>文本 (*.txt)</source>
        <translation>純文字 (*.txt)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="23"/>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="58"/>
        <source>起卦报告</source>
        <translation>起卦報告</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="152"/>
        <source>导出报告</source>
        <translation>匯出報告</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="164"/>
        <source>报告无法写入“%1”。</source>
        <translation>報告無法寫入「%1」。</translation>
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
    <name>SaveFile</name>
    <message>
        <location filename="../save_file.cpp" line="32"/>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>「%1」已存在，要取代它嗎？</translation>
    </message>
</context>
<context>
    <name>ShellServices</name>
    <message>
        <location filename="../shell_services.cpp" line="18"/>
        <source>爻盘 · 梅花易数起卦</source>
        <translation>爻盤 · 梅花易數起卦</translation>
    </message>
    <message>
        <location filename="../shell_services.cpp" line="29"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../main_window.cpp" line="101"/>
        <source>卦象</source>
        <translation>卦象</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="115"/>
        <source>八卦干支开悟图</source>
        <translation>八卦干支開悟圖</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="209"/>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="216"/>
        <source>时间校正…</source>
        <translation>時間校正…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="218"/>
        <source>口径…</source>
        <translation>口徑…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="222"/>
        <source>查询</source>
        <translation>查詢</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="225"/>
        <source>万年历…</source>
        <translation>萬年曆…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="228"/>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="230"/>
        <location filename="../main_window.cpp" line="786"/>
        <source>问题反馈</source>
        <translation>問題回饋</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="232"/>
        <location filename="../main_window.cpp" line="787"/>
        <source>关于我们</source>
        <translation>關於我們</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="234"/>
        <location filename="../main_window.cpp" line="788"/>
        <source>理论机制</source>
        <translation>理論機制</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="236"/>
        <source>最新软件</source>
        <translation>最新軟體</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="239"/>
        <source>启动时打开主页</source>
        <translation>啟動時開啟首頁</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="244"/>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="261"/>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="263"/>
        <source>计算</source>
        <translation>計算</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="264"/>
        <source>本卦</source>
        <translation>本卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="265"/>
        <source>互卦</source>
        <translation>互卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="266"/>
        <source>变卦</source>
        <translation>變卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="267"/>
        <source>错卦</source>
        <translation>錯卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="268"/>
        <source>综卦</source>
        <translation>綜卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="269"/>
        <source>运行</source>
        <translation>執行</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="274"/>
        <source>试验</source>
        <translation>試驗</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="283"/>
        <source>全选</source>
        <translation>全選</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="284"/>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="285"/>
        <source>显示象意</source>
        <translation>顯示象意</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="286"/>
        <source>显示开悟图</source>
        <translation>顯示開悟圖</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="287"/>
        <source>显示解卦</source>
        <translation>顯示解卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="300"/>
        <source>导出报告…</source>
        <translation>匯出報告…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="302"/>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="305"/>
        <source>记录起卦</source>
        <translation>記錄起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="311"/>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="313"/>
        <source>历史记录…</source>
        <translation>歷史記錄…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="333"/>
        <source>工具箱</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="350"/>
        <source>时间起卦法</source>
        <translation>時間起卦法</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="351"/>
        <source>传统起卦</source>
        <translation>傳統起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="352"/>
        <source>天干起卦</source>
        <translation>天干起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="353"/>
        <source>时分起卦</source>
        <translation>時分起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="354"/>
        <source>地支起卦</source>
        <translation>地支起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="355"/>
        <source>姓名起卦法</source>
        <translation>姓名起卦法</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="356"/>
        <source>姓名起卦</source>
        <translation>姓名起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="357"/>
        <source>单字起卦</source>
        <translation>單字起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="358"/>
        <source>问话起卦法</source>
        <translation>問話起卦法</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="359"/>
        <source>问话起卦</source>
        <translation>問話起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="360"/>
        <source>自定起卦法</source>
        <translation>自定起卦法</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="361"/>
        <source>自定起卦</source>
        <translation>自定起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="362"/>
        <source>报数起卦</source>
        <translation>報數起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="382"/>
        <source>姓名：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="384"/>
        <source>性别：</source>
        <translation>性別：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="386"/>
        <location filename="../main_window.cpp" line="410"/>
        <source>男</source>
        <translation>男</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="388"/>
        <location filename="../main_window.cpp" line="411"/>
        <source>女</source>
        <translation>女</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="389"/>
        <source>年龄：</source>
        <translation>年齡：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="392"/>
        <source>公历： </source>
        <translation>公曆： </translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="394"/>
        <location filename="../main_window.cpp" line="413"/>
        <source>年</source>
        <translation>年</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="396"/>
        <location filename="../main_window.cpp" line="414"/>
        <source>月</source>
        <translation>月</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="398"/>
        <location filename="../main_window.cpp" line="415"/>
        <source>日</source>
        <translation>日</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="400"/>
        <location filename="../main_window.cpp" line="416"/>
        <source>时</source>
        <translation>時</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="402"/>
        <location filename="../main_window.cpp" line="417"/>
        <source>分</source>
        <translation>分</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="409"/>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="412"/>
        <source>年龄</source>
        <translation>年齡</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="467"/>
        <source>确认起卦</source>
        <translation>確認起卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="479"/>
        <source>问话</source>
        <translation>問話</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="481"/>
        <source>汉字</source>
        <translation>漢字</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="482"/>
        <source>数字</source>
        <translation>數字</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>乾</source>
        <translation>乾</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>兑</source>
        <translation>兌</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="490"/>
        <source>离</source>
        <translation>離</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>震</source>
        <translation>震</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>巽</source>
        <translation>巽</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="491"/>
        <source>坎</source>
        <translation>坎</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="492"/>
        <source>艮</source>
        <translation>艮</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="492"/>
        <source>坤</source>
        <translation>坤</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>初爻</source>
        <translation>初爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>二爻</source>
        <translation>二爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="493"/>
        <source>三爻</source>
        <translation>三爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>四爻</source>
        <translation>四爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>五爻</source>
        <translation>五爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="494"/>
        <source>六爻</source>
        <translation>六爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>上卦：</source>
        <translation>上卦：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>上卦</source>
        <translation>上卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="510"/>
        <source>下卦：</source>
        <translation>下卦：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="510"/>
        <source>下卦</source>
        <translation>下卦</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>动爻：</source>
        <translation>動爻：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>动爻</source>
        <translation>動爻</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="518"/>
        <source>输入问话内容：</source>
        <translation>輸入問話內容：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="518"/>
        <source>例如：猜我吃的什么</source>
        <translation>例如：猜我吃的什麼</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="520"/>
        <source>请输入一个汉字：</source>
        <translation>請輸入一個漢字：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="520"/>
        <source>可以用做测字</source>
        <translation>可以用做測字</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="522"/>
        <source>请输入数字：</source>
        <translation>請輸入數字：</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="523"/>
        <source>例如：QQ号吗 手机号码等</source>
        <translation>例如：QQ號碼、手機號碼等</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="789"/>
        <source>最新成果</source>
        <translation>最新成果</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="841"/>
        <source>起卦记录未开启：本程序默认不存档，起卦不会记录。
要开启“文件 › 记录起卦”，记录今后的起卦，并打开历史记录吗？</source>
        <translation>起卦記錄未開啟：本程式預設不存檔，起卦不會記錄。
要開啟「檔案 › 記錄起卦」，記錄今後的起卦，並開啟歷史記錄嗎？</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <source>问题反馈</source>
        <translation>問題回饋</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <location filename="../information_dialog.cpp" line="173"/>
        <source>关于我们</source>
        <translation>關於我們</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="79"/>
        <source>验证机制</source>
        <translation>驗證機制</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="80"/>
        <source>最新软件</source>
        <translation>最新軟體</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>理论验证</source>
        <translation>理論驗證</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>典籍对照</source>
        <translation>典籍對照</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>程序测试</source>
        <translation>程式測試</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="101"/>
        <source>案例复核</source>
        <translation>案例複核</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="135"/>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="162"/>
        <source>简介</source>
        <translation>簡介</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="164"/>
        <source>作者博客：</source>
        <translation>作者部落格：</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="166"/>
        <source>作品小店：</source>
        <translation>作品小店：</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="115"/>
        <source>版本</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="190"/>
        <source>理论验证机制</source>
        <translation>理論驗證機制</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="203"/>
        <source>最新成果</source>
        <translation>最新成果</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CalendarRuleMenu</name>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="19"/>
        <source>内置</source>
        <translation>Built-in</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="20"/>
        <source>天文</source>
        <translation>Astronomical</translation>
    </message>
    <message>
        <location filename="../calendar_rule_menu.cpp" line="54"/>
        <source>历法</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>CastingRecorder</name>
    <message numerus="yes">
        <location filename="../casting_recorder.cpp" line="122"/>
        <source>%n 次起卦未能记录：
%1</source>
        <translation>
            <numerusform>%n casting could not be recorded:
%1</numerusform>
            <numerusform>%n castings could not be recorded:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EngineMessage</name>
    <message>
        <location filename="../engine_message.cpp" line="15"/>
        <source>参数错误：请输入汉字！</source>
        <translation>Invalid input: please enter Chinese characters.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="16"/>
        <source>参数错误：请输入汉字姓名！</source>
        <translation>Invalid input: please enter a name in Chinese characters.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="17"/>
        <source>参数错误：请检查是否输入完整！</source>
        <translation>Invalid input: please check that everything is filled in.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="18"/>
        <source>参数错误：时须在%1到%2之间！</source>
        <translation>Invalid input: the hour must be between %1 and %2.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="19"/>
        <source>参数错误：日期须在%1年1月1日到%2年12月31日之间！</source>
        <translation>Invalid input: the date must lie between %1-01-01 and %2-12-31.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="20"/>
        <source>参数错误：23时是次日的子时，次日已超出%1年1月1日到%2年12月31日的历法范围！</source>
        <translation>Invalid input: hour 23 is the Zi hour of the next day, and the next day lies outside the calendar (%1-01-01 to %2-12-31).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="21"/>
        <source>参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！</source>
        <translation>Invalid input: there is no lunar date before 1900-01-31, and the traditional method counts the lunar month and day; please choose another method.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="24"/>
        <source>参数错误：无法计算笔画的字：%1</source>
        <translation>Invalid input: cannot count the strokes of: %1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="25"/>
        <source>校正后的起卦时刻 %1 超出历法范围（1900-01-01 至 2100-12-31，23时算作次日）</source>
        <translation>The corrected moment %1 lies outside the calendar (1900-01-01 to 2100-12-31, hour 23 counting as the next day).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="27"/>
        <source>真太阳时须有经度或地点</source>
        <translation>True solar time needs a longitude or a place.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="28"/>
        <source>经度须在-180到180之间</source>
        <translation>The longitude must be between -180 and 180.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="29"/>
        <source>不认识时区 %1</source>
        <translation>Unknown time zone %1</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="30"/>
        <source>时钟读数 %1 从未出现：%2 的钟表在此拨快，跳过了这段时间</source>
        <translation>The clock reading %1 never occurred: clocks in %2 were put forward here, skipping this time</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="32"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的，可能由较新版本的程序写成；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>The journal %1 has a format number (%2) this program does not know; a newer version may have written it. It is only read, never changed, and new castings are not recorded.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="35"/>
        <source>起卦记录%1的格式编号（%2）不是本程序认得的；本程序只读取它，不会改动它，新的起卦也不会记录。</source>
        <translation>The journal %1 has a format number (%2) this program does not know. It is only read, never changed, and new castings are not recorded.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="37"/>
        <source>起卦记录%1无法写入（%2），新的起卦不会记录；起卦照常进行。</source>
        <translation>The journal %1 cannot be written (%2): new castings are not recorded; casting goes on as usual.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="38"/>
        <source>起卦记录%1无法写入（%2）；已存的记录完好无损。</source>
        <translation>The journal %1 cannot be written (%2); the castings already stored are intact.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="39"/>
        <source>起卦记录%1无法读取（%2）。</source>
        <translation>The journal %1 cannot be read (%2).</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="40"/>
        <source>起卦记录%1无法读取，已改名为%2留存，并新建了一份记录。</source>
        <translation>The journal %1 could not be read; it was kept as %2 and a new journal was started.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="41"/>
        <source>磁盘已满，起卦记录%1写不进去；已存的记录完好无损。</source>
        <translation>The disk is full: the journal %1 cannot be written; the castings already stored are intact.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="42"/>
        <source>起卦记录%1正被其他程序占用，这次没有写入，请稍后再试。</source>
        <translation>The journal %1 is in use by another program; this casting was not written. Please try again later.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="43"/>
        <source>这条起卦记录已不存在。</source>
        <translation>This casting is no longer in the journal.</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="44"/>
        <source>只读</source>
        <translation>read-only</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="45"/>
        <source>未能打开</source>
        <translation>could not be opened</translation>
    </message>
    <message>
        <location filename="../engine_message.cpp" line="46"/>
        <source>它是符号链接，为免写到别处，不经由它读写</source>
        <translation>it is a symbolic link, not followed so that nothing is written elsewhere</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <location filename="../reference_panel.cpp" line="106"/>
        <source>八卦干支开悟图</source>
        <translation>Chart of Trigrams, Stems and Branches</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../report_file.cpp" line="22"/>
        <source>文本 (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="23"/>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="58"/>
        <source>起卦报告</source>
        <translation>Casting report</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="152"/>
        <source>导出报告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <location filename="../report_file.cpp" line="164"/>
        <source>报告无法写入“%1”。</source>
        <translation>The report could not be written to “%1”.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../save_file.cpp" line="32"/>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>“%1” already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>ShellServices</name>
    <message>
        <location filename="../shell_services.cpp" line="18"/>
        <source>爻盘 · 梅花易数起卦</source>
        <translation>Yaopan · Plum Blossom Numerology</translation>
    </message>
    <message>
        <location filename="../shell_services.cpp" line="29"/>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../main_window.cpp" line="102"/>
        <source>卦象</source>
        <translation>Hexagrams</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="116"/>
        <source>八卦干支开悟图</source>
        <translation>Chart of Trigrams, Stems and Branches</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="202"/>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="209"/>
        <source>时间校正…</source>
        <translation>Time Correction…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="211"/>
        <source>口径…</source>
        <translation>Conventions…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="215"/>
        <source>查询</source>
        <translation>Look Up</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="218"/>
        <source>万年历…</source>
        <translation>Perpetual Calendar…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="221"/>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="223"/>
        <location filename="../main_window.cpp" line="772"/>
        <source>问题反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="225"/>
        <location filename="../main_window.cpp" line="773"/>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="227"/>
        <location filename="../main_window.cpp" line="774"/>
        <source>理论机制</source>
        <translation>Theory</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="229"/>
        <source>最新软件</source>
        <translation>Latest Software</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="232"/>
        <source>启动时打开主页</source>
        <translation>Open Home Page at Start</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="237"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="254"/>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="256"/>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="257"/>
        <source>本卦</source>
        <translation>Primary</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="258"/>
        <source>互卦</source>
        <translation>Nuclear</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="259"/>
        <source>变卦</source>
        <translation>Changed</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="260"/>
        <source>错卦</source>
        <translation>Opposite</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="261"/>
        <source>综卦</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="262"/>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="265"/>
        <source>试验</source>
        <translation>Trial</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="274"/>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="275"/>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="276"/>
        <source>显示象意</source>
        <translation>Show Trigram Images</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="277"/>
        <source>显示开悟图</source>
        <translation>Show the Chart</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="278"/>
        <source>显示解卦</source>
        <translation>Show the Reading</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="291"/>
        <source>导出报告…</source>
        <translation>Export Report…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="293"/>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="296"/>
        <source>记录起卦</source>
        <translation>Record Castings</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="302"/>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="304"/>
        <source>历史记录…</source>
        <translation>History…</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="324"/>
        <source>工具箱</source>
        <translation>Toolbox</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="341"/>
        <source>时间起卦法</source>
        <translation>By time</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="342"/>
        <source>传统起卦</source>
        <translation>Traditional</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="343"/>
        <source>天干起卦</source>
        <translation>Stems</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="344"/>
        <source>时分起卦</source>
        <translation>Clock</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="345"/>
        <source>地支起卦</source>
        <translation>Branches</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="346"/>
        <source>姓名起卦法</source>
        <translation>By name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="347"/>
        <source>姓名起卦</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="348"/>
        <source>单字起卦</source>
        <translation>Character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="349"/>
        <source>问话起卦法</source>
        <translation>By question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="350"/>
        <source>问话起卦</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="351"/>
        <source>自定起卦法</source>
        <translation>By choice</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="352"/>
        <source>自定起卦</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="353"/>
        <source>报数起卦</source>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="373"/>
        <source>姓名：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="375"/>
        <source>性别：</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="377"/>
        <location filename="../main_window.cpp" line="401"/>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="379"/>
        <location filename="../main_window.cpp" line="402"/>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="380"/>
        <source>年龄：</source>
        <translation>Age:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="383"/>
        <source>公历： </source>
        <translation>Date: </translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="385"/>
        <location filename="../main_window.cpp" line="404"/>
        <source>年</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="387"/>
        <location filename="../main_window.cpp" line="405"/>
        <source>月</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="389"/>
        <location filename="../main_window.cpp" line="406"/>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="391"/>
        <location filename="../main_window.cpp" line="407"/>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="393"/>
        <location filename="../main_window.cpp" line="408"/>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="400"/>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="403"/>
        <source>年龄</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="458"/>
        <source>确认起卦</source>
        <translation>Cast</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="470"/>
        <source>问话</source>
        <translation>Question</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="472"/>
        <source>汉字</source>
        <translation>Chinese character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="473"/>
        <source>数字</source>
        <translation>Number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="481"/>
        <source>乾</source>
        <translation>Qian</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="481"/>
        <source>兑</source>
        <translation>Dui</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="481"/>
        <source>离</source>
        <translation>Li</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="482"/>
        <source>震</source>
        <translation>Zhen</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="482"/>
        <source>巽</source>
        <translation>Xun</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="482"/>
        <source>坎</source>
        <translation>Kan</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="483"/>
        <source>艮</source>
        <translation>Gen</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="483"/>
        <source>坤</source>
        <translation>Kun</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="484"/>
        <source>初爻</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="484"/>
        <source>二爻</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="484"/>
        <source>三爻</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="485"/>
        <source>四爻</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="485"/>
        <source>五爻</source>
        <translation>Line 5</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="485"/>
        <source>六爻</source>
        <translation>Line 6</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="500"/>
        <source>上卦：</source>
        <translation>Upper:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="500"/>
        <source>上卦</source>
        <translation>Upper trigram</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="501"/>
        <source>下卦：</source>
        <translation>Lower:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="501"/>
        <source>下卦</source>
        <translation>Lower trigram</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="502"/>
        <source>动爻：</source>
        <translation>Line:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="502"/>
        <source>动爻</source>
        <translation>Moving line</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>输入问话内容：</source>
        <translation>Your question:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="509"/>
        <source>例如：猜我吃的什么</source>
        <translation>e.g. 猜我吃的什么 (guess what I ate)</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>请输入一个汉字：</source>
        <translation>One Chinese character:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="511"/>
        <source>可以用做测字</source>
        <translation>for reading a character</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="513"/>
        <source>请输入数字：</source>
        <translation>Enter a number:</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="514"/>
        <source>例如：QQ号吗 手机号码等</source>
        <translation>e.g. a QQ or phone number</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="775"/>
        <source>最新成果</source>
        <translation>Latest Work</translation>
    </message>
    <message>
        <location filename="../main_window.cpp" line="827"/>
        <source>起卦记录未开启：本程序默认不存档，起卦不会记录。
要开启“文件 › 记录起卦”，记录今后的起卦，并打开历史记录吗？</source>
        <translation>Recording is off: by default the program keeps nothing, and castings are not recorded.
Turn on “File › Record Castings” to record castings from now on, and open the history?</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <location filename="../information_dialog.cpp" line="71"/>
        <source>问题反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="71"/>
        <location filename="../information_dialog.cpp" line="144"/>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="71"/>
        <source>验证机制</source>
        <translation>Verification</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="72"/>
        <source>最新软件</source>
        <translation>Latest Software</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="93"/>
        <source>理论验证</source>
        <translation>Verifying the theory</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="93"/>
        <source>典籍对照</source>
        <translation>Against the classics</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="93"/>
        <source>程序测试</source>
        <translation>Program tests</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="93"/>
        <source>案例复核</source>
        <translation>Case review</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="103"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="130"/>
        <source>简介</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="132"/>
        <source>作者博客：</source>
        <translation>Blog: </translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="134"/>
        <source>作品小店：</source>
        <translation>Shop: </translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="167"/>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="173"/>
        <source>理论验证机制</source>
        <translation>How the Theory Is Verified</translation>
    </message>
    <message>
        <location filename="../information_dialog.cpp" line="186"/>
        <source>最新成果</source>
        <translation>Latest Work</translation>
    </message>
</context>
</TS>

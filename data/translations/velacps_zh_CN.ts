<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AppIdentity</name>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>OK</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>写入内容</translation>
    </message>
    <message>
        <source>%1 programmed, %2 failed</source>
        <translation>已写入 %1 台，失败 %2 台</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>批量报告</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Product version %1</source>
        <translation>产品版本 %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CAskPwdDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Please enter the password:</source>
        <translation>请输入密码：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The password is not correct. Please check it!</source>
        <translation>密码不正确，请检查！</translation>
    </message>
</context>
<context>
    <name>CBaseView</name>
    <message>
        <source>Change %1</source>
        <translation>更改%1</translation>
    </message>
    <message>
        <source>Invalid Value.</source>
        <translation>无效值。</translation>
    </message>
</context>
<context>
    <name>CButtonsView</name>
    <message>
        <source>Do you want to reset all buttons with their defaults?</source>
        <translation>是否将所有按键恢复为默认设置？</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>按键复位</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>CPS 所需的部分文件不可用。
请重新安装 CPS。</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>CChannelBulkEditDialog</name>
    <message>
        <source>Edit Selected Channels (%1)</source>
        <translation>编辑所选信道 (%1)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Edit Selected Channels</source>
        <translation>编辑所选信道</translation>
    </message>
</context>
<context>
    <name>CChannelFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>查找内容:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>替换为:</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>查找范围:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>改为</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>(no such value)</source>
        <translation>(无此值)</translation>
    </message>
</context>
<context>
    <name>CChannelImportDialog</name>
    <message>
        <source>Added</source>
        <translation>已添加</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>Adapted</source>
        <translation>已调整</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>已丢失</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>%1 row(s) are refused and will not be imported.</source>
        <translation>%1 行被拒绝，将不会导入。</translation>
    </message>
    <message>
        <source>Nothing changes until you choose Import.</source>
        <translation>选择“导入”之前不会有任何更改。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>保存“%1”失败：%2</translation>
    </message>
</context>
<context>
    <name>CChannelTableModel</name>
    <message>
        <source>Change %1</source>
        <translation>更改 %1</translation>
    </message>
    <message>
        <source>Channel %1 (%2): %3</source>
        <translation>信道 %1 (%2)：%3</translation>
    </message>
</context>
<context>
    <name>CChannelTableView</name>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Fill Down %1</source>
        <translation>向下填充 %1</translation>
    </message>
</context>
<context>
    <name>CChannelView</name>
    <message>
        <source>Transmit Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>错误：电台信息视图正在加载数据。</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>2W 限制</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>更改%1</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>更改频率</translation>
    </message>
    <message>
        <source>The transmit frequency index can not be same as the receive frequency index. The next available transmit frequency shall be selected.</source>
        <translation>发射频率索引不能与接收频率索引相同。将选择下一个可用的发射频率。</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Disable this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>此信道已分配给预设信道按键。禁用此信道将更改该预设信道按键的值。是否继续？</translation>
    </message>
</context>
<context>
    <name>CChannelsView</name>
    <message>
        <source>Import CSV...</source>
        <translation>导入 CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
</context>
<context>
    <name>CCompareCommand</name>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Lists the differences between a profile and another profile, a file or the radio</source>
        <translation>列出一个配置文件与另一个配置文件、文件或电台之间的差异</translation>
    </message>
    <message>
        <source>Profiles and codeplug images (*.kv9 *.img);;All files (*)</source>
        <translation>配置文件和 Codeplug 映像 (*.kv9 *.img);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>电台</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be compared.</source>
        <translation>无法比较 %1 和 %2。</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置文件(&amp;P)：</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>比较对象(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比较(&amp;C)</translation>
    </message>
    <message>
        <source>A profile or codeplug image file...</source>
        <translation>配置文件或 Codeplug 映像文件...</translation>
    </message>
    <message>
        <source>The radio on the cable</source>
        <translation>连接在数据线上的电台</translation>
    </message>
</context>
<context>
    <name>CComparisonWindow</name>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>比较：%1 和 %2</translation>
    </message>
    <message>
        <source>%1 and %2 are the same.</source>
        <translation>%1 与 %2 相同。</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s) from %1 to %2:</source>
        <translation>
            <numerusform>从 %1 到 %2 有 %n 处差异：</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go to Field</source>
        <translation>转到字段(&amp;G)</translation>
    </message>
</context>
<context>
    <name>CDataAdaptor</name>
    <message>
        <source>Invalid serial number</source>
        <translation>序列号无效</translation>
    </message>
    <message>
        <source>Codeplug is corrupted</source>
        <translation>Codeplug 已损坏</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>频率无效。</translation>
    </message>
</context>
<context>
    <name>CDealerInfoDialog</name>
    <message>
        <source>Error: There is an error when acquiring language type.</source>
        <translation>错误：获取语言类型时出错。</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>错误：加载经销商信息失败。</translation>
    </message>
    <message>
        <source>Dealer Information</source>
        <translation>经销商信息</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Contact Information</source>
        <translation>联系信息</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The dealer information in the settings is too long to fit the dialog, please check it!</source>
        <translation>设置中的经销商信息过长，无法在对话框中显示，请检查！</translation>
    </message>
    <message>
        <source>Failed to write the settings!</source>
        <translation>写入设置失败！</translation>
    </message>
</context>
<context>
    <name>CDifferenceList</name>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>&quot;%1&quot; is open in another window. Close that window first, or save under another name.</source>
        <translation>“%1”已在另一个窗口中打开。请先关闭该窗口，或以其他名称保存。</translation>
    </message>
</context>
<context>
    <name>CFleetBatch</name>
    <message>
        <source>A batch is under way.</source>
        <translation>批量写频已在进行中。</translation>
    </message>
    <message>
        <source>Name each cable of the batch once.</source>
        <translation>批量中的每条数据线只能指定一次。</translation>
    </message>
    <message>
        <source>A batch of %1 radios cannot use %2 cables.</source>
        <translation>%1 台对讲机的批量不能使用 %2 条数据线。</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>无法打开配置文件。</translation>
    </message>
</context>
<context>
    <name>CFrequencyView</name>
    <message>
        <source>%1 KHz only</source>
        <translation>仅 %1 kHz</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>可选，默认 %1 kHz</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>频率（MHz）</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>功率等级</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩器</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>错误：电台信息视图正在加载数据。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>频率无效。</translation>
    </message>
    <message>
        <source>The frequency is authorized for 2W maximum transmit power.  CPS shall convert to low power mode.</source>
        <translation>该频率的最大发射功率授权为 2W。CPS 将转换为低功率模式。</translation>
    </message>
    <message>
        <source>Add Frequency</source>
        <translation>添加频率</translation>
    </message>
    <message>
        <source>Change Frequency</source>
        <translation>更改频率</translation>
    </message>
    <message>
        <source>Do you want to delete the selected item(s)?</source>
        <translation>是否删除所选项目？</translation>
    </message>
    <message>
        <source>Frequency (Frequencies) used by channel can not be deleted.</source>
        <translation>信道正在使用的频率不能删除。</translation>
    </message>
    <message>
        <source>Delete Frequency</source>
        <translation>删除频率</translation>
    </message>
</context>
<context>
    <name>CHelpBrowser</name>
    <message>
        <source>Help page</source>
        <translation>帮助页面</translation>
    </message>
</context>
<context>
    <name>CHelpPane</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>CHelpSystem</name>
    <message>
        <source>Error: Can not find the help file!</source>
        <translation>错误：找不到帮助文件！</translation>
    </message>
    <message>
        <source>Error: Help File format is invalid!</source>
        <translation>错误：帮助文件格式无效！</translation>
    </message>
    <message>
        <source>Error: Can not find help file information in the settings!</source>
        <translation>错误：在设置中找不到帮助文件信息！</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 帮助</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>帮助导航</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>搜索内容</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>搜索结果</translation>
    </message>
</context>
<context>
    <name>CLockPanes</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>数字锁定</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>滚动锁定</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;M)</translation>
    </message>
    <message>
        <source>Dealer &amp;Info</source>
        <translation>经销商信息(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help Pane</source>
        <translation>帮助窗格(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>复位(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>报告(&amp;R)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Content and Index...</source>
        <translation>目录和索引(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Canada French</source>
        <translation>加拿大法语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>LA Portuguese</source>
        <translation>拉美葡萄牙语</translation>
    </message>
    <message>
        <source>LA Spanish</source>
        <translation>拉美西班牙语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Edit Selected C&amp;hannels...</source>
        <translation>编辑所选信道(&amp;H)...</translation>
    </message>
    <message>
        <source>Restore Radio &amp;Backup...</source>
        <translation>恢复对讲机备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>批量写频(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Profiles</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Cable status</source>
        <translation>写频线状态</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>There are %1 USB connections. Please remove the unused one and keep one connection only.</source>
        <translation>当前有 %1 个 USB 连接。请移除未使用的连接，只保留一个连接。</translation>
    </message>
    <message>
        <source>USB Cable Connected</source>
        <translation>USB 写频线已连接</translation>
    </message>
    <message>
        <source>USB Cable Not Connected</source>
        <translation>USB 写频线未连接</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 已连接</translation>
    </message>
    <message>
        <source>%1 not connected</source>
        <translation>%1 未连接</translation>
    </message>
    <message>
        <source>You have to restart the CPS for this change to take effect.</source>
        <translation>必须重新启动 CPS 才能使此更改生效。</translation>
    </message>
</context>
<context>
    <name>CNewProfileDlg</name>
    <message>
        <source>New Profile</source>
        <translation>新建配置文件</translation>
    </message>
    <message>
        <source>Please choose profile model.</source>
        <translation>请选择配置文件的机型。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Error: Can not find template files!</source>
        <translation>错误：找不到模板文件！</translation>
    </message>
</context>
<context>
    <name>CProgramRadiosDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置文件(&amp;P):</translation>
    </message>
    <message>
        <source>None: every radio gets the profile as it is</source>
        <translation>无：每台对讲机按原样写入配置文件</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Per-radio &amp;values (CSV):</source>
        <translation>每台对讲机的值(CSV)(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Cables:</source>
        <translation>电缆(&amp;C):</translation>
    </message>
    <message>
        <source>A serial device, such as /dev/ttyUSB1</source>
        <translation>串口设备，例如 /dev/ttyUSB1</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Other cable:</source>
        <translation>其他电缆(&amp;O):</translation>
    </message>
    <message>
        <source>Until Stop</source>
        <translation>直到停止</translation>
    </message>
    <message>
        <source>&amp;Radios in the batch:</source>
        <translation>本批对讲机数量(&amp;R):</translation>
    </message>
    <message>
        <source>Only for radios with a codeplug password</source>
        <translation>仅用于设有写频密码的对讲机</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>密码(&amp;W):</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>客户(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Write again a radio already done in this batch</source>
        <translation>重新写入本批中已完成的对讲机(&amp;W)</translation>
    </message>
    <message>
        <source>Choose the cables and press Start.</source>
        <translation>选择电缆，然后按“开始”。</translation>
    </message>
    <message>
        <source>Batch status</source>
        <translation>批次状态</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>电缆</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>电缆</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>写入内容</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>用时(秒)</translation>
    </message>
    <message>
        <source>There is no device &quot;%1&quot;.</source>
        <translation>设备“%1”不存在。</translation>
    </message>
    <message>
        <source>Per-Radio Values</source>
        <translation>每台对讲机的值</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Choose at least one cable.</source>
        <translation>请至少选择一根电缆。</translation>
    </message>
    <message>
        <source>The profile cannot be copied for the batch: %1.</source>
        <translation>无法为本批复制配置文件：%1。</translation>
    </message>
    <message>
        <source>The batch has started.</source>
        <translation>批量写频已开始。</translation>
    </message>
    <message>
        <source>&amp;Cancel Radios</source>
        <translation>取消对讲机(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel Radios</source>
        <translation>取消对讲机</translation>
    </message>
    <message>
        <source>Stopping: the radios in progress finish. Cancel Radios stops them too.</source>
        <translation>正在停止：进行中的对讲机将完成。“取消对讲机”也会停止它们。</translation>
    </message>
    <message>
        <source>Waiting for a radio</source>
        <translation>等待对讲机</translation>
    </message>
    <message>
        <source>Progress on %1</source>
        <translation>%1 的进度</translation>
    </message>
    <message>
        <source>State of %1</source>
        <translation>%1 的状态</translation>
    </message>
    <message>
        <source>Identifying</source>
        <translation>正在识别</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>正在备份</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>正在写频</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Connect the next radio</source>
        <translation>请连接下一台对讲机</translation>
    </message>
    <message numerus="yes">
        <source>Connect the next radio. %n radio(s) done.</source>
        <translation>
            <numerusform>请连接下一台对讲机。已完成 %n 台。</numerusform>
        </translation>
    </message>
    <message>
        <source>Already done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The radio %1 on %2 is already programmed in this batch: it is skipped. Connect the next radio.</source>
        <translation>%2 上的对讲机 %1 已在本批中写频，将跳过。请连接下一台对讲机。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>未进行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The batch has ended: %1 programmed, %2 failed. The log is in %3.</source>
        <translation>本批已结束：已写入 %1 台，失败 %2 台。日志位于 %3。</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Transferring...</source>
        <translation>正在传输...</translation>
    </message>
    <message>
        <source>Do you want to create a new profile (Yes), overwrite the currently selected profile (No) or cancel it?</source>
        <translation>是否新建配置文件（是）、覆盖当前所选配置文件（否）或取消？</translation>
    </message>
    <message>
        <source>There are no radio backups in %1.</source>
        <translation>%1 中没有对讲机备份。</translation>
    </message>
    <message>
        <source>%1  %2 (%3)  %4  %5</source>
        <translation>%1  %2 (%3)  %4  %5</translation>
    </message>
    <message>
        <source>Restore Radio Backup</source>
        <translation>恢复对讲机备份</translation>
    </message>
    <message>
        <source>Backup to write into the radio on the cable:</source>
        <translation>要写入电缆所连对讲机的备份：</translation>
    </message>
</context>
<context>
    <name>CRadioInfoView</name>
    <message>
        <source>Error: Radio information view loads data.</source>
        <translation>错误：电台信息视图正在加载数据。</translation>
    </message>
</context>
<context>
    <name>CRadioOperations</name>
    <message>
        <source>backup of %1</source>
        <translation>%1 的备份</translation>
    </message>
    <message>
        <source>This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.</source>
        <translation>此备份来自 %1 对讲机，而电缆所连对讲机为 %2；不予写入。</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>未向对讲机写入任何内容。</translation>
    </message>
    <message>
        <source>This backup was taken from the radio with the serial number %1, and the radio on the cable has %2. Write it into this radio?</source>
        <translation>此备份取自序列号为 %1 的对讲机，而电缆所连对讲机的序列号为 %2。是否写入此对讲机？</translation>
    </message>
    <message>
        <source>What the radio held before the write is kept in %1.</source>
        <translation>写入前对讲机中的内容已保存在 %1 中。</translation>
    </message>
    <message>
        <source>The radio holds its backup again; the profile was not written.</source>
        <translation>对讲机已恢复为其备份；配置文件未写入。</translation>
    </message>
    <message>
        <source>The radio did not keep these settings: %1</source>
        <translation>对讲机未保存以下设置：%1</translation>
    </message>
    <message>
        <source>Write to the radio again?</source>
        <translation>是否再次写入对讲机？</translation>
    </message>
    <message>
        <source>Put the radio back as it was before the write, from its backup %1?</source>
        <translation>是否从备份 %1 将对讲机恢复为写入前的状态？</translation>
    </message>
</context>
<context>
    <name>CReadWriteDialog</name>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Reading from the radio ...</source>
        <translation>正在从电台读频...</translation>
    </message>
    <message>
        <source>Writing to the radio ...</source>
        <translation>正在向电台写频...</translation>
    </message>
    <message>
        <source>Transfer status</source>
        <translation>传输状态</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>传输进度</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Read Failed!</source>
        <translation>读频失败！</translation>
    </message>
    <message>
        <source>Write Failed!</source>
        <translation>写频失败！</translation>
    </message>
    <message>
        <source>Read Successfully!</source>
        <translation>读频成功！</translation>
    </message>
    <message>
        <source>Write Successfully!</source>
        <translation>写频成功！</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Reports</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Web pages (*.htm *.html)</source>
        <translation>网页 (*.htm *.html)</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;.</source>
        <translation>无法将报告写入“%1”。</translation>
    </message>
    <message>
        <source>The report cannot be shown here: the browser library is missing.</source>
        <translation>无法在此显示报告：缺少浏览器库。</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报告。</translation>
    </message>
</context>
<context>
    <name>CReportOptionDlg</name>
    <message>
        <source>Reports</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Choose a report template.</source>
        <translation>请选择报告模板。</translation>
    </message>
    <message>
        <source>Customer Handout</source>
        <translation>客户手册</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>详细报告</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CScanView</name>
    <message>
        <source>Add to the scan list</source>
        <translation>添加到扫描列表</translation>
    </message>
    <message>
        <source>Remove from the scan list</source>
        <translation>从扫描列表中移除</translation>
    </message>
</context>
<context>
    <name>CSettingView</name>
    <message>
        <source>Please enter 4 numeric characters.</source>
        <translation>请输入 4 位数字。</translation>
    </message>
    <message>
        <source>The passwords you entered do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>Splash screen</source>
        <translation>启动画面</translation>
    </message>
</context>
<context>
    <name>CStartPage</name>
    <message>
        <source>No profile opened yet.</source>
        <translation>尚未打开任何配置文件。</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>起始页</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>新建配置文件</translation>
    </message>
    <message>
        <source>A new profile from a model&apos;s template</source>
        <translation>根据机型模板新建配置文件</translation>
    </message>
    <message>
        <source>Open Profile</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>A profile file (.kv9) on this computer</source>
        <translation>此计算机上的配置文件 (.kv9)</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>从对讲机读频</translation>
    </message>
    <message>
        <source>The profile of the radio on the cable</source>
        <translation>连接在写频线上的对讲机的配置文件</translation>
    </message>
    <message>
        <source>&amp;Recent profiles</source>
        <translation>最近的配置文件(&amp;R)</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>最近的配置文件</translation>
    </message>
    <message>
        <source>Enter opens the selected profile</source>
        <translation>按 Enter 打开选中的配置文件</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>unknown model</source>
        <translation>未知机型</translation>
    </message>
    <message>
        <source>Cable: %1</source>
        <translation>写频线：%1</translation>
    </message>
</context>
<context>
    <name>CSupportFileCommand</name>
    <message>
        <source>Create &amp;Support File...</source>
        <translation>创建支持文件(&amp;S)...</translation>
    </message>
    <message>
        <source>Saves the versions, cable, radio, settings and radio traces for the supplier</source>
        <translation>为供应商保存版本、写频线、对讲机、设置和通信记录</translation>
    </message>
    <message>
        <source>Create Support File</source>
        <translation>创建支持文件</translation>
    </message>
    <message>
        <source>Support files (*.tar.gz)</source>
        <translation>支持文件 (*.tar.gz)</translation>
    </message>
    <message>
        <source>Add the open profile to the support file? Its codeplug password is left out.</source>
        <translation>将打开的配置文件加入支持文件？其中的写频密码不会包含在内。</translation>
    </message>
    <message>
        <source>The support file has been saved as &quot;%1&quot;.</source>
        <translation>支持文件已保存为“%1”。</translation>
    </message>
    <message>
        <source>Cannot save the support file &quot;%1&quot;: %2</source>
        <translation>无法保存支持文件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>CVelaCPSApp</name>
    <message>
        <source>CPS needs vbscript engine to start. Please install vbscript engine before re-starting the %1.</source>
        <translation>CPS 需要 VBScript 引擎才能启动。请先安装 VBScript 引擎，然后重新启动 %1。</translation>
    </message>
    <message>
        <source>The language resource file is missing. The CPS will start with English language version.</source>
        <translation>缺少语言资源文件。CPS 将以英文版本启动。</translation>
    </message>
</context>
<context>
    <name>CVelaCPSDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
</context>
<context>
    <name>CVelaCPSTreeView</name>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>KVX Distributor Series</source>
        <translation>KVX Distributor Series</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>射频频率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>自定义 PL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>自定义 DPL</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>添加信道</translation>
    </message>
    <message>
        <source>The last valid channel can not be deleted.</source>
        <translation>不能删除最后一个有效信道。</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting this channel shall cause the value change of the Preset Channel button. Do you want to continue?</source>
        <translation>此信道已分配给预设信道按键。删除此信道将更改该预设信道按键的值。是否继续？</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>重命名信道</translation>
    </message>
    <message>
        <source>&amp;Add	Ctrl+A</source>
        <translation>添加(&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>删除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>&amp;Rename	F2</source>
        <translation>重命名(&amp;R)	F2</translation>
    </message>
</context>
<context>
    <name>CWriteReviewDialog</name>
    <message>
        <source>&amp;Do not ask again for identical models</source>
        <translation>相同型号不再询问(&amp;D)</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>写入电台</translation>
    </message>
    <message>
        <source>The write changes these settings in the radio:</source>
        <translation>写入将更改对讲机中的以下设置：</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>电台中</translation>
    </message>
    <message>
        <source>After the write</source>
        <translation>写入后</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>The choice not to be asked again could not be stored.</source>
        <translation>无法保存“不再询问”的选择。</translation>
    </message>
</context>
<context>
    <name>CableChoices</name>
    <message>
        <source>USB programming cable</source>
        <translation>USB 写频电缆</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>Location %1: the model has no room for more channels; the row is not imported.</source>
        <translation>位置 %1：该型号没有空间容纳更多信道；此行不导入。</translation>
    </message>
    <message>
        <source>Location %1 becomes channel %2.</source>
        <translation>位置 %1 成为信道 %2。</translation>
    </message>
    <message>
        <source>%1 MHz allows 2 W at most: it is added with low power only.</source>
        <translation>%1 MHz 最多允许 2 W：仅以低功率添加。</translation>
    </message>
    <message>
        <source>%1 MHz is added as 12.5 kHz only: the model allows no wider channels.</source>
        <translation>%1 MHz 仅以 12.5 KHz 添加：该型号不允许更宽的信道。</translation>
    </message>
    <message>
        <source>%1 MHz is added to the RF frequency table as entry %2.</source>
        <translation>%1 MHz 作为第 %2 项添加到射频频率表。</translation>
    </message>
    <message>
        <source>%1: the frequency allows only %2.</source>
        <translation>%1：该频率仅允许 %2。</translation>
    </message>
    <message>
        <source>This radio cannot use %1: the channel gets no code.</source>
        <translation>此对讲机无法使用 %1：信道不设代码。</translation>
    </message>
    <message>
        <source>Channel %1 is added.</source>
        <translation>已添加信道 %1。</translation>
    </message>
    <message>
        <source>Channel %1 is unchanged.</source>
        <translation>信道 %1 未更改。</translation>
    </message>
    <message>
        <source>Channel %1 changes: %2.</source>
        <translation>信道 %1 更改：%2。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is cut to &quot;%2&quot;.</source>
        <translation>名称“%1”被截短为“%2”。</translation>
    </message>
    <message>
        <source>This model has no repeater: the channel transmits on its receive frequency.</source>
        <translation>此型号没有中继功能：信道在其接收频率上发射。</translation>
    </message>
    <message>
        <source>This model has no power choice: the power is not changed.</source>
        <translation>此型号不能选择功率：功率不变。</translation>
    </message>
    <message>
        <source>Power %1 becomes %2.</source>
        <translation>功率 %1 改为 %2。</translation>
    </message>
    <message>
        <source>This model transmits with its receive code: %1 is not sent.</source>
        <translation>此型号使用接收代码发射：不发送 %1。</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>无代码</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Location %1 is already on line %2.</source>
        <translation>位置 %1 已在第 %2 行。</translation>
    </message>
    <message>
        <source>the row ends before this column.</source>
        <translation>该行在此列之前结束。</translation>
    </message>
    <message>
        <source>a frequency is needed.</source>
        <translation>需要一个频率。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz.</source>
        <translation>“%1”不是以 MHz 为单位的频率。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone in Hz.</source>
        <translation>“%1”不是以 Hz 为单位的亚音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a DCS code (octal).</source>
        <translation>“%1”不是 DCS 代码（八进制）。</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>第 %1 列 (%2)：%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a polarity (NN, NR, RN or RR).</source>
        <translation>“%1”不是极性（NN、NR、RN 或 RR）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a cross mode.</source>
        <translation>“%1”不是交叉模式。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tone mode (Tone, TSQL, DTCS or Cross).</source>
        <translation>“%1”不是亚音模式（Tone、TSQL、DTCS 或 Cross）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power in watts.</source>
        <translation>“%1”不是以瓦为单位的功率。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, - or split).</source>
        <translation>“%1”不是双工方式（空、+、- 或 split）。</translation>
    </message>
    <message>
        <source>the transmit frequency is out of bounds.</source>
        <translation>发射频率超出范围。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not %2.</source>
        <translation>“%1”不是%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a channel number (1 or more).</source>
        <translation>“%1”不是信道号（1 或以上）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a mode this radio has (FM or NFM).</source>
        <translation>“%1”不是此对讲机的模式（FM 或 NFM）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a step in kHz.</source>
        <translation>“%1”不是以 kHz 为单位的步进。</translation>
    </message>
    <message>
        <source>a skip mark (empty or S)</source>
        <translation>扫描跳过标记（空或 S）</translation>
    </message>
    <message>
        <source>This is not a channel list: its first line must be a header that names the columns, at least Location and Frequency, such as
%1</source>
        <translation>这不是信道列表：第一行必须是列名标题，至少包含 Location 和 Frequency，例如
%1</translation>
    </message>
    <message>
        <source>The file has more than %1 rows.</source>
        <translation>文件超过 %1 行。</translation>
    </message>
    <message>
        <source>Line %1: a quote is not closed.</source>
        <translation>第 %1 行：引号未闭合。</translation>
    </message>
</context>
<context>
    <name>CodeDisplayText</name>
    <message>
        <source>No PL/DPL code</source>
        <translation>无 PL/DPL 码</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>自定义 PL</translation>
    </message>
    <message>
        <source>Inverted DPL</source>
        <translation>反相 DPL</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>自定义 DPL</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>DPL</source>
        <translation>DPL</translation>
    </message>
</context>
<context>
    <name>ConfigStore</name>
    <message>
        <source>Fatal settings error, the application will be closed!</source>
        <translation>设置严重错误，应用程序将关闭！</translation>
    </message>
</context>
<context>
    <name>Editors</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>附件麦克风增益</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX 等级</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX 等级</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>信道播报语言</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger 提示音</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons.</source>
        <translation>同一功能不能分配给多个按键。</translation>
    </message>
    <message>
        <source>The channel can not be selected!</source>
        <translation>不能选择该信道！</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>扫描/删除干扰信道</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫提示音</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>发射功率选择</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>中继/直通</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>无操作</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>预设 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>预设 2</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>侧键 1（SB1）</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>侧键 2（SB2）</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>按键 A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>按键 B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>按键 C</translation>
    </message>
    <message>
        <source>Button Reset</source>
        <translation>按键复位</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>加密按键</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>预设信道 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>预设信道 2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>添加信道</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>加密码 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>加密码 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>加密码 3</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>频率（MHz）</translation>
    </message>
    <message>
        <source>Bandwidth (KHz)</source>
        <translation>带宽（kHz）</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL 码</translation>
    </message>
    <message>
        <source>High-power is only available in non-PMR446 markets</source>
        <translation>大功率仅在非 PMR446 市场可用</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>禁用信道</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>直通功率</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>发射</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>中继功率</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继</translation>
    </message>
    <message>
        <source>In talkaround mode, Transmit will use Receive settings.</source>
        <translation>在直通模式下，发射将使用接收设置。</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>动态直通扫描</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>自动扫描</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>自定义 PL</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL 码 124（Hz）</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL 码 125（Hz）</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL 码 126（Hz）</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL 码 127（Hz）</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL 码 128（Hz）</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL 码 129（Hz）</translation>
    </message>
    <message>
        <source>The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.</source>
        <translation>输入的 PL 码无效。有效范围为：67.0 - 255.0 Hz。</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>自定义 DPL</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL 码 214（八进制）</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL 码 215（八进制）</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL 码 216（八进制）</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL 码 217（八进制）</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL 码 218（八进制）</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL 码 219（八进制）</translation>
    </message>
    <message>
        <source>The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.</source>
        <translation>输入的 DPL 码无效。有效范围为（八进制）：001 - 777。</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>射频频率</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>仅低功率</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>仅高功率</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>可选，默认低功率</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>可选，默认高功率</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>功率等级</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩器</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>电台信息</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>区域代码</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug 版本</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>频率范围（MHz）</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>接收频率范围（MHz）</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>发射频率范围（MHz）</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>最大信道数</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>可用信道</translation>
    </message>
    <message>
        <source>&amp;Add&gt;&gt;</source>
        <translation>添加(&amp;A)&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Re&amp;move</source>
        <translation>&lt;&lt;移除(&amp;M)</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>扫描列表成员</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>通话结束后</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 分钟</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>碱性电池</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>镍氢/锂离子电池</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplug 密码（4 位数字）</translation>
    </message>
    <message>
        <source>Confirm Password (4-digit number)</source>
        <translation>确认密码（4 位数字）</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>开机文字</translation>
    </message>
    <message>
        <source>Power up text can only contain: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>开机文字只能包含：A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>中继台 ID</translation>
    </message>
    <message>
        <source>Repeater station id can only contain letter and digits.</source>
        <translation>中继台 ID 只能包含字母和数字。</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>中继 ID 模式</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>禁用所有 LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>禁用恢复出厂设置</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>启用编程模式</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>禁用省电</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>背光（秒）</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>发射保持时间（秒）</translation>
    </message>
    <message>
        <source>The tx hangtime is invalid. Its range is 0 - 50.</source>
        <translation>发射保持时间无效。其范围为 0 - 50。</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>低电量发射（分钟）</translation>
    </message>
    <message>
        <source>The tx low battery is invalid. Its range is 0 - 255.</source>
        <translation>低电量发射时间无效。其范围为 0 - 255。</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>低电量提示音</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>启用礼貌结束提示音</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>发射限时（秒）</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL 反相突发</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>备用电池选择</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Receive PL/DPL</source>
        <translation>接收 PL/DPL</translation>
    </message>
    <message>
        <source>Transmit PL/DPL</source>
        <translation>发射 PL/DPL</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>%1: the RF frequency table has no such row.</source>
        <translation>%1：射频频率表中没有该行。</translation>
    </message>
    <message>
        <source>%1: the profile has no such field.</source>
        <translation>%1：配置文件中没有该字段。</translation>
    </message>
    <message>
        <source>%1: the channel is disabled; only its disable_channel=0 changes it.</source>
        <translation>%1：该信道已禁用；只有其 disable_channel=0 可以更改它。</translation>
    </message>
    <message>
        <source>%1: this radio takes codes up to %2.</source>
        <translation>%1：此电台支持的代码最多到 %2。</translation>
    </message>
    <message>
        <source>%1 is set together with %2 in the same change.</source>
        <translation>%1 须与 %2 在同一次更改中一起设置。</translation>
    </message>
    <message>
        <source>%1 is no field of the profile.</source>
        <translation>%1 不是配置文件的字段。</translation>
    </message>
    <message>
        <source>%1 needs the number of its element, counted from 1.</source>
        <translation>%1 需要其元素的编号，从 1 开始计数。</translation>
    </message>
    <message>
        <source>%1: the RF frequency table has no such row; a new row is frequency[%2].freq.</source>
        <translation>%1：射频频率表中没有该行；新行为 frequency[%2].freq。</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>FleetLog</name>
    <message>
        <source>The batch log folder %1 cannot be made.</source>
        <translation>无法创建批量日志文件夹 %1。</translation>
    </message>
    <message>
        <source>The batch log %1 cannot be written: %2.</source>
        <translation>无法写入批量日志 %1：%2。</translation>
    </message>
</context>
<context>
    <name>FleetPort</name>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>无法打开配置文件。</translation>
    </message>
    <message>
        <source>The values file has no row for this radio.</source>
        <translation>数值文件中没有此对讲机的行。</translation>
    </message>
    <message>
        <source>Not answered (no Yes given for the batch): %1</source>
        <translation>未回答（批量未指定“是”）：%1</translation>
    </message>
    <message>
        <source>The radio has a codeplug password other than the one given for the batch.</source>
        <translation>对讲机的 codeplug 密码与为批量指定的密码不同。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>The radio did not keep what was written.</source>
        <translation>对讲机未保存所写入的内容。</translation>
    </message>
    <message>
        <source>Not written.</source>
        <translation>未写入。</translation>
    </message>
</context>
<context>
    <name>FleetValues</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The values file %1 cannot be read: %2.</source>
        <translation>无法读取数值文件 %1：%2。</translation>
    </message>
    <message>
        <source>The values file is empty.</source>
        <translation>数值文件为空。</translation>
    </message>
    <message>
        <source>the first column must be &quot;serial&quot; or &quot;order&quot;.</source>
        <translation>第一列必须是 &quot;serial&quot; 或 &quot;order&quot;。</translation>
    </message>
    <message>
        <source>the column %1 is there twice.</source>
        <translation>列 %1 出现了两次。</translation>
    </message>
    <message>
        <source>%1 cells where the header has %2.</source>
        <translation>此行有 %1 个单元格，而标题行有 %2 个。</translation>
    </message>
    <message>
        <source>the first cell is empty.</source>
        <translation>第一个单元格为空。</translation>
    </message>
    <message>
        <source>the order %1 is no number from 1.</source>
        <translation>顺序 %1 不是从 1 开始的数字。</translation>
    </message>
    <message>
        <source>%1 has a row already.</source>
        <translation>%1 已有一行。</translation>
    </message>
    <message>
        <source>The profile cannot be opened.</source>
        <translation>无法打开配置文件。</translation>
    </message>
    <message>
        <source>a value is refused.</source>
        <translation>一个数值被拒绝。</translation>
    </message>
</context>
<context>
    <name>FrequencyRules</name>
    <message>
        <source>Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low power mode.</source>
        <translation>并非所有频率都获准使用大功率模式（4W）。CPS 将把这些频率转换为低功率模式。</translation>
    </message>
</context>
<context>
    <name>ModelRules</name>
    <message>
        <source>At least one channel frequency is out of the valid frequency range. Please correct it before programming. If there is no valid frequency to select, please edit the frequency table first.</source>
        <translation>至少有一个信道频率超出有效频率范围。请在写频前更正。如果没有可选的有效频率，请先编辑频率表。</translation>
    </message>
    <message>
        <source>This Customer Programming Software is intended for programming radios to be used in the United States of America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted and has been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.</source>
        <translation>本客户编程软件用于为在美利坚合众国（USA）使用的电台编程，以确保符合美国联邦通信委员会（FCC）发布的窄带强制令。   根据 2013 年 1 月 1 日生效的 FCC 强制令，不允许将电台编程为 25 kHz 信道间隔，本应用程序已禁用此功能。</translation>
    </message>
    <message>
        <source>At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected it to 151.5 MHz in the profile.</source>
        <translation>射频频率表中至少有一个频率超出有效频率范围。CPS 已在配置文件中将其更正为 151.5 MHz。</translation>
    </message>
    <message>
        <source>The profile names %1 channels in use but holds only %2. CPS uses the %2 channels it holds.</source>
        <translation>配置文件声明使用 %1 个信道，但只包含 %2 个。CPS 将使用其包含的 %2 个信道。</translation>
    </message>
</context>
<context>
    <name>ProfileComparison</name>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
</context>
<context>
    <name>ProfileDocument</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取文件“%1”。</translation>
    </message>
    <message>
        <source>Failed to save &quot;%1&quot;: %2</source>
        <translation>保存“%1”失败：%2</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>从对讲机读取</translation>
    </message>
</context>
<context>
    <name>ProfileFields</name>
    <message>
        <source>no change: the radio or the template sets it</source>
        <translation>不可更改：由电台或模板设定</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 或 1</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>%1 到 %2 之间的数字</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>%1 中的一个</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>最多 %1 个字符的文本</translation>
    </message>
    <message>
        <source>%1 digits or nothing</source>
        <translation>%1 位数字或空</translation>
    </message>
    <message>
        <source>%1 takes %2.</source>
        <translation>%1 可取值为%2。</translation>
    </message>
    <message>
        <source>Clone Compatibility</source>
        <translation>克隆兼容性</translation>
    </message>
    <message>
        <source>Firmware Phase</source>
        <translation>固件阶段</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>固件修订</translation>
    </message>
    <message>
        <source>Codeplug Phase</source>
        <translation>Codeplug 阶段</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug 版本</translation>
    </message>
    <message>
        <source>Codeplug Development Version</source>
        <translation>Codeplug 开发版本</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Synthesizer Base Frequency</source>
        <translation>合成器基准频率</translation>
    </message>
    <message>
        <source>Sub-region</source>
        <translation>子区域</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>最大信道数</translation>
    </message>
    <message>
        <source>Frequencies in Use</source>
        <translation>已用频率数</translation>
    </message>
    <message>
        <source>Lowest Frequency</source>
        <translation>最低频率</translation>
    </message>
    <message>
        <source>Highest Frequency</source>
        <translation>最高频率</translation>
    </message>
    <message>
        <source>Lowest Receive Frequency</source>
        <translation>最低接收频率</translation>
    </message>
    <message>
        <source>Highest Receive Frequency</source>
        <translation>最高接收频率</translation>
    </message>
    <message>
        <source>Lowest Transmit Frequency</source>
        <translation>最低发射频率</translation>
    </message>
    <message>
        <source>Highest Transmit Frequency</source>
        <translation>最高发射频率</translation>
    </message>
    <message>
        <source>Time-out Timer Not Available</source>
        <translation>发射限时不可用</translation>
    </message>
    <message>
        <source>Keypad Beep Not Available</source>
        <translation>按键提示音不可用</translation>
    </message>
    <message>
        <source>Roger Beep Not Available</source>
        <translation>Roger 提示音不可用</translation>
    </message>
    <message>
        <source>Busy LED Not Available</source>
        <translation>忙碌指示灯不可用</translation>
    </message>
    <message>
        <source>PL Reverse Burst Available</source>
        <translation>PL 反相突发可用</translation>
    </message>
    <message>
        <source>VOX Not Available</source>
        <translation>VOX 不可用</translation>
    </message>
    <message>
        <source>iVOX Not Available</source>
        <translation>iVOX 不可用</translation>
    </message>
    <message>
        <source>Scramble Not Available</source>
        <translation>加密不可用</translation>
    </message>
    <message>
        <source>Battery Save Not Available</source>
        <translation>省电不可用</translation>
    </message>
    <message>
        <source>Factory Reset Not Available</source>
        <translation>恢复出厂设置不可用</translation>
    </message>
    <message>
        <source>Scan Not Available</source>
        <translation>扫描不可用</translation>
    </message>
    <message>
        <source>Number of Call Tones</source>
        <translation>呼叫提示音数量</translation>
    </message>
    <message>
        <source>Number of Preset Buttons</source>
        <translation>预设按键数量</translation>
    </message>
    <message>
        <source>Number of PL/DPL Codes</source>
        <translation>PL/DPL 码数量</translation>
    </message>
    <message>
        <source>Power Selection Available</source>
        <translation>功率选择可用</translation>
    </message>
    <message>
        <source>Backlight Button Available</source>
        <translation>背光按键可用</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>启用编程模式</translation>
    </message>
    <message>
        <source>Call Not Available</source>
        <translation>呼叫不可用</translation>
    </message>
    <message>
        <source>Monitor Not Available</source>
        <translation>监听不可用</translation>
    </message>
    <message>
        <source>Keypad Lock Not Available</source>
        <translation>键盘锁不可用</translation>
    </message>
    <message>
        <source>Repeater Not Available</source>
        <translation>中继不可用</translation>
    </message>
    <message>
        <source>Channel Disabling Available</source>
        <translation>信道禁用可用</translation>
    </message>
    <message>
        <source>Talkaround Scan Available</source>
        <translation>直通扫描可用</translation>
    </message>
    <message>
        <source>Channel Announcement Available</source>
        <translation>信道播报可用</translation>
    </message>
    <message>
        <source>Codeplug Password (4-digit number)</source>
        <translation>Codeplug 密码（4 位数字）</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>禁用所有 LED</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>禁用恢复出厂设置</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>发射限时（秒）</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL 反相突发</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX 等级</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX 等级</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>附件麦克风增益</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>备用电池选择</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>禁用省电</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>侧键 1（SB1）</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>侧键 2（SB2）</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>按键 A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>按键 B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>按键 C</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>信道数</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>信道播报语言</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL 码 124（Hz）</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL 码 125（Hz）</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL 码 126（Hz）</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL 码 127（Hz）</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL 码 128（Hz）</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL 码 129（Hz）</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL 码 214（八进制）</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL 码 215（八进制）</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL 码 216（八进制）</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL 码 217（八进制）</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL 码 218（八进制）</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL 码 219（八进制）</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>开机文字</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger 提示音</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>加密按键</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>背光（秒）</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫提示音</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>中继台 ID</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>中继 ID 模式</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>发射保持时间（秒）</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>低电量发射（分钟）</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>低电量提示音</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>启用礼貌结束提示音</translation>
    </message>
    <message>
        <source>Preset Channel</source>
        <translation>预设信道</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Receive PL/DPL Code</source>
        <translation>接收 PL/DPL 码</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Transmit PL/DPL Code</source>
        <translation>发射 PL/DPL 码</translation>
    </message>
    <message>
        <source>Receive Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>接收带宽（0 12.5 kHz，1 25 kHz）</translation>
    </message>
    <message>
        <source>Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)</source>
        <translation>发射带宽（0 12.5 kHz，1 25 kHz）</translation>
    </message>
    <message>
        <source>Talkaround Power (0 low, 1 high)</source>
        <translation>直通功率（0 低，1 高）</translation>
    </message>
    <message>
        <source>Repeater Power (0 low, 1 high)</source>
        <translation>中继功率（0 低，1 高）</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>自动扫描</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>禁用信道</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>动态直通扫描</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>功率等级</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩器</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>电台信息</translation>
    </message>
    <message>
        <source>Radio Limits</source>
        <translation>对讲机限制</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>ProfileFileCheck</name>
    <message>
        <source>The CPS does not support this profile&apos;s region.</source>
        <translation>CPS 不支持此配置文件的区域。</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> 请使用“%1”。</translation>
    </message>
    <message>
        <source>Invalid Frequency.</source>
        <translation>频率无效。</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and profile are incompatible! Please update your CPS.</source>
        <translation>CPS 与配置文件的 Codeplug 版本不兼容！请更新您的 CPS。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>无法打开文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The profile holds a value the CPS cannot set: %1 is &quot;%2&quot;, where %3 may be chosen. Please correct the file.</source>
        <translation>配置文件包含 CPS 无法设置的值：%1 为“%2”，可选值为 %3。请更正该文件。</translation>
    </message>
</context>
<context>
    <name>RadioBackups</name>
    <message>
        <source>The radio backup folder %1 cannot be written: %2</source>
        <translation>无法写入对讲机备份文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 is no radio backup: it cannot be opened as one.</source>
        <translation>%1 不是对讲机备份：无法将其作为备份打开。</translation>
    </message>
    <message>
        <source>%1 is no radio backup of this program.</source>
        <translation>%1 不是本程序的对讲机备份。</translation>
    </message>
    <message>
        <source>The radio backup %1 is damaged; it is not written to a radio.</source>
        <translation>对讲机备份 %1 已损坏；不会写入对讲机。</translation>
    </message>
    <message>
        <source>The radio backup folder %1 cannot be made: %2</source>
        <translation>无法创建对讲机备份文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The radio backup %1 cannot be written: %2</source>
        <translation>无法写入对讲机备份 %1：%2</translation>
    </message>
</context>
<context>
    <name>RadioChecks</name>
    <message>
        <source>The current profile is not compatible with the radio.</source>
        <translation>当前配置文件与电台不兼容。</translation>
    </message>
    <message>
        <source>When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to continue?</source>
        <translation>从高端电台转换为低端电台时，部分数据可能会丢失。是否继续？</translation>
    </message>
    <message>
        <source>The CPS does not support this radio model.</source>
        <translation>CPS 不支持此电台型号。</translation>
    </message>
    <message>
        <source>The CPS does not support this radio&apos;s region.</source>
        <translation>CPS 不支持此电台的区域。</translation>
    </message>
    <message>
        <source> Please use the &quot;%1&quot;.</source>
        <translation> 请使用“%1”。</translation>
    </message>
    <message>
        <source>Codeplug version of CPS and radio are incompatible! Please update your CPS.</source>
        <translation>CPS 与电台的 Codeplug 版本不兼容！请更新您的 CPS。</translation>
    </message>
    <message>
        <source>The radio being programmed does not match the model in the current profile.</source>
        <translation>正在编程的电台与当前配置文件中的型号不符。</translation>
    </message>
    <message>
        <source>Invalid frequency: This frequency is not supported by this radio.</source>
        <translation>频率无效：此电台不支持该频率。</translation>
    </message>
    <message>
        <source>Some profile information is not supported by the host radio and therefore will not be transferred(PL/DPL Code). </source>
        <translation>部分配置文件信息不受目标电台支持，因此不会传输（PL/DPL 码）。 </translation>
    </message>
    <message>
        <source>The radio you are programing has a lower version codeplug, some new features can not be used after writing.</source>
        <translation>您正在编程的电台 Codeplug 版本较低，写频后部分新功能将无法使用。</translation>
    </message>
    <message>
        <source>Error: Communication Error.</source>
        <translation>错误：通信错误。</translation>
    </message>
    <message>
        <source>Error: Operation Failed (%1).</source>
        <translation>错误：操作失败（%1）。</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please perform factory reset to correct the error.</source>
        <translation>电台存储器已损坏。请执行恢复出厂设置以更正该错误。</translation>
    </message>
    <message>
        <source>Radio&apos;s memory is corrupted. Please return to manufacture for correction.</source>
        <translation>电台存储器已损坏。请返厂维修。</translation>
    </message>
    <message>
        <source>Unknown warning!</source>
        <translation>未知警告！</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>No programming cable was found.</source>
        <translation>未找到写频线。</translation>
    </message>
    <message>
        <source>The programming cable is in use by another program.</source>
        <translation>写频线正被其他程序使用。</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Customer Handout</source>
        <translation>客户手册</translation>
    </message>
    <message>
        <source>Detailed Report</source>
        <translation>详细报告</translation>
    </message>
    <message>
        <source>Error: Load dealer information failed.</source>
        <translation>错误：加载经销商信息失败。</translation>
    </message>
    <message>
        <source>2W limit</source>
        <translation>2W 限制</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to send an e-mail.</source>
        <translation>电子邮件程序 xdg-email 不可用。要发送电子邮件，您需要安装该程序（xdg-utils）以及一个邮件程序。</translation>
    </message>
    <message>
        <source>User selectable with %1 KHz as default</source>
        <translation>可选，默认 %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz only</source>
        <translation>仅 %1 kHz</translation>
    </message>
    <message>
        <source>%1 KHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>按键 A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>按键 B</translation>
    </message>
    <message>
        <source>Button C</source>
        <translation>按键 C</translation>
    </message>
    <message>
        <source>PL Code 214 (OCT)</source>
        <translation>PL 码 214（八进制）</translation>
    </message>
    <message>
        <source>PL Code 215 (OCT)</source>
        <translation>PL 码 215（八进制）</translation>
    </message>
    <message>
        <source>PL Code 216 (OCT)</source>
        <translation>PL 码 216（八进制）</translation>
    </message>
    <message>
        <source>PL Code 217 (OCT)</source>
        <translation>PL 码 217（八进制）</translation>
    </message>
    <message>
        <source>PL Code 218 (OCT)</source>
        <translation>PL 码 218（八进制）</translation>
    </message>
    <message>
        <source>PL Code 219 (OCT)</source>
        <translation>PL 码 219（八进制）</translation>
    </message>
    <message>
        <source>Scan List Members</source>
        <translation>扫描列表成员</translation>
    </message>
    <message>
        <source>Scramble Code 1</source>
        <translation>加密码 1</translation>
    </message>
    <message>
        <source>Scramble Code 2</source>
        <translation>加密码 2</translation>
    </message>
    <message>
        <source>Scramble Code 3</source>
        <translation>加密码 3</translation>
    </message>
    <message>
        <source>Side Button 1 (SB1)</source>
        <translation>侧键 1（SB1）</translation>
    </message>
    <message>
        <source>Side Button 2 (SB2)</source>
        <translation>侧键 2（SB2）</translation>
    </message>
    <message>
        <source>Dynamic Talkaround Scan</source>
        <translation>动态直通扫描</translation>
    </message>
    <message>
        <source>Channel Announcement Language</source>
        <translation>信道播报语言</translation>
    </message>
    <message>
        <source>High power only</source>
        <translation>仅高功率</translation>
    </message>
    <message>
        <source>User selectable with high power as default</source>
        <translation>可选，默认高功率</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫提示音</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Preset 1</source>
        <translation>预设 1</translation>
    </message>
    <message>
        <source>Preset 2</source>
        <translation>预设 2</translation>
    </message>
    <message>
        <source>Scan/Nuisance Channel Delete</source>
        <translation>扫描/删除干扰信道</translation>
    </message>
    <message>
        <source>No Operation</source>
        <translation>无操作</translation>
    </message>
    <message>
        <source>Tx Power Selection</source>
        <translation>发射功率选择</translation>
    </message>
    <message>
        <source>Accessory Microphone Gain</source>
        <translation>附件麦克风增益</translation>
    </message>
    <message>
        <source>After conversation</source>
        <translation>通话结束后</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>碱性电池</translation>
    </message>
    <message>
        <source>Alternate Battery Selection</source>
        <translation>备用电池选择</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>自动扫描</translation>
    </message>
    <message>
        <source>Available Channels</source>
        <translation>可用信道</translation>
    </message>
    <message>
        <source>Back Light (Sec.)</source>
        <translation>背光（秒）</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Channel #</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug 版本</translation>
    </message>
    <message>
        <source>Customized PL</source>
        <translation>自定义 PL</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩器</translation>
    </message>
    <message>
        <source>Customized DPL</source>
        <translation>自定义 DPL</translation>
    </message>
    <message>
        <source>Disable All LEDs</source>
        <translation>禁用所有 LED</translation>
    </message>
    <message>
        <source>Disable Battery Save</source>
        <translation>禁用省电</translation>
    </message>
    <message>
        <source>Disable Restore Factory Default</source>
        <translation>禁用恢复出厂设置</translation>
    </message>
    <message>
        <source>Disable Channel</source>
        <translation>禁用信道</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable Courtesy Over Beep</source>
        <translation>启用礼貌结束提示音</translation>
    </message>
    <message>
        <source>Enable Programming Mode</source>
        <translation>启用编程模式</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Frequency Range (MHz)</source>
        <translation>频率范围（MHz）</translation>
    </message>
    <message>
        <source>Frequency(Index)</source>
        <translation>频率（序号）</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>iVOX Level</source>
        <translation>iVOX 等级</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Keypad Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Low power only</source>
        <translation>仅低功率</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Maximum Channel</source>
        <translation>最大信道数</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Microphone Gain</source>
        <translation>麦克风增益</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Nickel/LiIon</source>
        <translation>镍氢/锂离子电池</translation>
    </message>
    <message>
        <source>No PL/DPL code</source>
        <translation>无 PL/DPL 码</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>On Battery Alert Tone</source>
        <translation>低电量提示音</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>PL Code 124 (Hz)</source>
        <translation>PL 码 124（Hz）</translation>
    </message>
    <message>
        <source>PL Code 125 (Hz)</source>
        <translation>PL 码 125（Hz）</translation>
    </message>
    <message>
        <source>PL Code 126 (Hz)</source>
        <translation>PL 码 126（Hz）</translation>
    </message>
    <message>
        <source>PL Code 127 (Hz)</source>
        <translation>PL 码 127（Hz）</translation>
    </message>
    <message>
        <source>PL Code 128 (Hz)</source>
        <translation>PL 码 128（Hz）</translation>
    </message>
    <message>
        <source>PL Code 129 (Hz)</source>
        <translation>PL 码 129（Hz）</translation>
    </message>
    <message>
        <source>PL Reverse Burst</source>
        <translation>PL 反相突发</translation>
    </message>
    <message>
        <source>PL/DPL Code</source>
        <translation>PL/DPL 码</translation>
    </message>
    <message>
        <source>Power Level</source>
        <translation>功率等级</translation>
    </message>
    <message>
        <source>Power Up Text</source>
        <translation>开机文字</translation>
    </message>
    <message>
        <source>Preset 1 Channel</source>
        <translation>预设信道 1</translation>
    </message>
    <message>
        <source>Preset 2 Channel</source>
        <translation>预设信道 2</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>电台信息</translation>
    </message>
    <message>
        <source>Receive/Transmit</source>
        <translation>接收/发射</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>Regional Code</source>
        <translation>区域代码</translation>
    </message>
    <message>
        <source>Repeater ID Mode</source>
        <translation>中继 ID 模式</translation>
    </message>
    <message>
        <source>Repeater Power</source>
        <translation>中继功率</translation>
    </message>
    <message>
        <source>Repeater Station ID</source>
        <translation>中继台 ID</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>中继/直通</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继</translation>
    </message>
    <message>
        <source>Roger Beep Tone</source>
        <translation>Roger 提示音</translation>
    </message>
    <message>
        <source>Rx Frequency Range (MHz)</source>
        <translation>接收频率范围（MHz）</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>扫描列表</translation>
    </message>
    <message>
        <source>Scramble Button</source>
        <translation>加密按键</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Selectable</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Talkaround Power</source>
        <translation>直通功率</translation>
    </message>
    <message>
        <source>Transmit Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Transmit Timeout Timer (Sec.)</source>
        <translation>发射限时（秒）</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>发射</translation>
    </message>
    <message>
        <source>Tx Frequency Range (MHz)</source>
        <translation>发射频率范围（MHz）</translation>
    </message>
    <message>
        <source>Tx Hangtime (Sec.)</source>
        <translation>发射保持时间（秒）</translation>
    </message>
    <message>
        <source>Tx Low Battery (Min.)</source>
        <translation>低电量发射（分钟）</translation>
    </message>
    <message>
        <source>User selectable with low power as default</source>
        <translation>可选，默认低功率</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>VOX 等级</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 分钟</translation>
    </message>
    <message>
        <source>Accessory Jack</source>
        <translation>附件插孔</translation>
    </message>
    <message>
        <source>Channel Selector</source>
        <translation>信道选择器</translation>
    </message>
    <message>
        <source>QA310</source>
        <translation>QA310</translation>
    </message>
    <message>
        <source>Down Button:</source>
        <translation>下键：</translation>
    </message>
    <message>
        <source>Li-Ion Battery Pack</source>
        <translation>锂离子电池组</translation>
    </message>
    <message>
        <source>Menu Button:</source>
        <translation>菜单键：</translation>
    </message>
    <message>
        <source>Menu Mode</source>
        <translation>菜单模式</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>型号编号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Power/Volume Knob</source>
        <translation>电源/音量旋钮</translation>
    </message>
    <message>
        <source>Push-to-Talk (PTT)</source>
        <translation>PTT 发射键</translation>
    </message>
    <message>
        <source>KVX</source>
        <translation>KVX</translation>
    </message>
    <message>
        <source>Scroll down the menu items/change channel</source>
        <translation>向下滚动菜单项/切换信道</translation>
    </message>
    <message>
        <source>Scroll up the menu items/change channel</source>
        <translation>向上滚动菜单项/切换信道</translation>
    </message>
    <message>
        <source>QB420</source>
        <translation>QB420</translation>
    </message>
    <message>
        <source>Spring Action Belt Clip</source>
        <translation>弹簧背夹</translation>
    </message>
    <message>
        <source>Tri-Color LED</source>
        <translation>三色 LED</translation>
    </message>
    <message>
        <source>Up Button:</source>
        <translation>上键：</translation>
    </message>
    <message>
        <source>ZWTa</source>
        <translation>ZWTa</translation>
    </message>
    <message>
        <source>KVM</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Failed to generate report.</source>
        <translation>生成报告失败。</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>（默认）</translation>
    </message>
    <message>
        <source>The e-mail program xdg-email failed with exit status %1.</source>
        <translation>电子邮件程序 xdg-email 运行失败，退出状态为 %1。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Too large: %1 bytes, where at most %2 are read</source>
        <translation>文件过大：%1 字节，最多只读取 %2 字节</translation>
    </message>
    <message>
        <source>Damaged: UTF-16 text of an odd number of bytes</source>
        <translation>文件已损坏：UTF-16 文本的字节数为奇数</translation>
    </message>
</context>
<context>
    <name>ScriptHost</name>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
%1 is not a function in the hook script</source>
        <translation>IActiveScriptSite::OnScriptError()
行：0
%1 不是挂钩脚本中的函数</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: 0
The hook %1 ran longer than %2 ms and was stopped.</source>
        <translation>IActiveScriptSite::OnScriptError()
行：0
挂钩 %1 运行时间超过 %2 毫秒，已被停止。</translation>
    </message>
    <message>
        <source>IActiveScriptSite::OnScriptError()
Line: %1
%2</source>
        <translation>IActiveScriptSite::OnScriptError()
行：%1
%2</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>The value is not valid.</source>
        <translation>该值无效。</translation>
    </message>
    <message>
        <source>A channel name must have 1 to 8 characters. Please enter another name.</source>
        <translation>信道名称必须为 1 到 8 个字符。请输入其他名称。</translation>
    </message>
    <message>
        <source>Another channel already has this name. Please enter a different name.</source>
        <translation>已有其他信道使用此名称。请输入不同的名称。</translation>
    </message>
    <message>
        <source>A channel name can only contain letters, digits, blanks and the punctuation marks of a standard keyboard. Please enter another name.</source>
        <translation>信道名称只能包含字母、数字、空格和标准键盘上的标点符号。请输入其他名称。</translation>
    </message>
    <message>
        <source>The codeplug password must be exactly 4 digits, or empty for no password.</source>
        <translation>Codeplug 密码必须为 4 位数字，留空则表示无密码。</translation>
    </message>
    <message>
        <source>The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</source>
        <translation>开机文字最多 8 个字符，每个字符只能是：A-Z, 0-9, b, c, d, g, h, l, i, o, r, u, *, {, }, ?, &amp;, %, ., +, /, \, -, &apos;</translation>
    </message>
    <message>
        <source>The repeater station ID can have at most 9 characters, letters and digits only.</source>
        <translation>中继台 ID 最多 9 个字符，只能包含字母和数字。</translation>
    </message>
    <message>
        <source>The Tx hang time must be a whole number of seconds from 0 to 50.</source>
        <translation>发射保持时间必须是 0 到 50 之间的整数秒。</translation>
    </message>
    <message>
        <source>The Tx low battery time must be a whole number of minutes from 0 to 255.</source>
        <translation>低电量发射时间必须是 0 到 255 之间的整数分钟。</translation>
    </message>
    <message>
        <source>A customized PL tone must be from 67.0 to 255.0 Hz.</source>
        <translation>自定义 PL 音必须在 67.0 到 255.0 Hz 之间。</translation>
    </message>
    <message>
        <source>A customized DPL code must be an octal code from 001 to 777.</source>
        <translation>自定义 DPL 码必须是 001 到 777 之间的八进制码。</translation>
    </message>
    <message>
        <source>One feature can not be assigned to multiple buttons. Choose another feature, or first remove this one from the button that has it.</source>
        <translation>同一功能不能分配给多个按键。请选择其他功能，或先从已分配该功能的按键上移除它。</translation>
    </message>
    <message>
        <source>This radio model does not support this PL/DPL code. Please choose another code.</source>
        <translation>此电台型号不支持该 PL/DPL 码。请选择其他代码。</translation>
    </message>
    <message>
        <source>A preset can only use an enabled channel of this profile. Please choose another channel.</source>
        <translation>预设只能使用此配置文件中已启用的信道。请选择其他信道。</translation>
    </message>
    <message>
        <source>This is the last enabled channel and can not be disabled. Enable another channel first.</source>
        <translation>这是最后一个已启用的信道，不能禁用。请先启用其他信道。</translation>
    </message>
    <message>
        <source>This frequency is not in the RF frequency table. Please choose a frequency of the table.</source>
        <translation>该频率不在射频频率表中。请从频率表中选择一个频率。</translation>
    </message>
    <message>
        <source>This channel is assigned to a Preset Channel button. Deleting it moves the preset to another channel. Do you want to continue?</source>
        <translation>此信道已分配给预设信道按键。删除后预设将移至其他信道。是否继续？</translation>
    </message>
    <message>
        <source>This channel can not be deleted: at least one enabled channel must remain.</source>
        <translation>不能删除此信道：必须至少保留一个已启用的信道。</translation>
    </message>
    <message>
        <source>The RF frequency table is full (99 frequencies). Delete a frequency that no channel uses before adding another one.</source>
        <translation>射频频率表已满（99 个频率）。请先删除一个未被任何信道使用的频率，然后再添加。</translation>
    </message>
    <message>
        <source>This frequency is already in the RF frequency table. Please enter a different frequency.</source>
        <translation>该频率已在射频频率表中。请输入不同的频率。</translation>
    </message>
    <message>
        <source>This frequency is outside the frequency range of the radio (see Radio Information). Please enter a frequency within the range.</source>
        <translation>该频率超出电台的频率范围（参见“电台信息”）。请输入范围内的频率。</translation>
    </message>
    <message>
        <source>MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be programmed. Please enter a different frequency.</source>
        <translation>不能编程 MURS 频率（151.820、151.880、151.940、154.570 和 154.600 MHz）。请输入不同的频率。</translation>
    </message>
    <message>
        <source>This frequency is used by a channel and can not be deleted. Give the channel another frequency first.</source>
        <translation>该频率正被某个信道使用，不能删除。请先为该信道指定其他频率。</translation>
    </message>
    <message>
        <source>Channels use this frequency. Changing its bandwidth or power level also changes the bandwidth and power of these channels. Do you want to continue?</source>
        <translation>有信道使用此频率。更改其带宽或功率等级也会更改这些信道的带宽和功率。是否继续？</translation>
    </message>
    <message>
        <source>25 KHz channel spacing is not permitted in this radio&apos;s region. Please select &quot;12.5 KHz only&quot;.</source>
        <translation>此电台所在区域不允许 25 kHz 信道间隔。请选择“仅 12.5 kHz”。</translation>
    </message>
    <message>
        <source>The frequency, bandwidth, power level or compander value is not valid.</source>
        <translation>频率、带宽、功率等级或压扩器的值无效。</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Programming error: 107.</source>
        <translation>编程错误：107。</translation>
    </message>
    <message>
        <source>Programming error: 108.</source>
        <translation>编程错误：108。</translation>
    </message>
    <message>
        <source>Fatal error: 102.
Please uninstall and re-install CPS.</source>
        <translation>严重错误：102。
请卸载并重新安装 CPS。</translation>
    </message>
    <message>
        <source>Invalid profile.</source>
        <translation>配置文件无效。</translation>
    </message>
    <message>
        <source>Failed to load profile.</source>
        <translation>加载配置文件失败。</translation>
    </message>
    <message>
        <source>Fatal error: 101.</source>
        <translation>严重错误：101。</translation>
    </message>
    <message>
        <source>File format error. Failed to save.</source>
        <translation>文件格式错误。保存失败。</translation>
    </message>
    <message>
        <source>Some files needed by CPS are not available.
Please reinstall CPS.</source>
        <translation>CPS 所需的部分文件不可用。
请重新安装 CPS。</translation>
    </message>
</context>
<context>
    <name>SupportBundle</name>
    <message>
        <source>the archive could not be made</source>
        <translation>无法创建压缩包</translation>
    </message>
</context>
<context>
    <name>TransmitPower</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
</context>
</TS>

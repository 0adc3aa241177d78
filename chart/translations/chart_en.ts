<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>ReadoutText</name>
    <message>
        <location filename="../drawing/readout_texts.cpp" line="+15"/>
        <source>电压反射系数%1:%2&gt;衰减(插损)%3db&gt;电压驻波比%4&gt;功率反射系数&gt;%5%&gt;功率反射衰减%6db</source>
        <translation>Γ %1:%2 &gt; Insertion loss %3 dB &gt; VSWR %4 &gt; Reflected power %5% = %6 dB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>电压反射系数=%1:%2</source>
        <translation>Voltage reflection coefficient = %1:%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>衰                减=%1</source>
        <translation>Attenuation = %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>电 压 驻 波 比=%1</source>
        <translation>VSWR = %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>功率反射系数=%1%</source>
        <translation>Power reflection coefficient = %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>功率反射衰减=%1db</source>
        <translation>Reflected power = %1 dB</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>接入元件%1</source>
        <translation>Elements: %1</translation>
    </message>
</context>
<context>
    <name>StabilityLegend</name>
    <message>
        <location filename="../drawing/stability_circles.cpp" line="+70"/>
        <source>---输入稳定圆</source>
        <translation>---Input stability circle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>---输出稳定圆</source>
        <translation>---Output stability circle</translation>
    </message>
</context>
<context>
    <name>qv::NetworkPort</name>
    <message>
        <location filename="../drawing/network_port.h" line="+47"/>
        <source>无法打开</source>
        <translation>Cannot open</translation>
    </message>
</context>
<context>
    <name>qv::TForm2</name>
    <message>
        <location filename="../windows/main_window.cpp" line="+73"/>
        <source>归一化后的极坐标(S11，反射系数)</source>
        <translation>Normalised polar form (S11, reflection coefficient)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>归一化后的电抗</source>
        <translation>Normalised reactance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>归一化后的导抗</source>
        <translation>Normalised admittance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>没有归一化导抗</source>
        <translation>Admittance, not normalised</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>电压反射系数=（反射电压） Vr/（入射电压）Vi</source>
        <translation>Voltage reflection coefficient = (reflected voltage) Vr / (incident voltage) Vi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>功率反射系数Pr/Pi , (Vr/Vi)^2</source>
        <translation>Power reflection coefficient Pr/Pi, (Vr/Vi)^2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>反馈损耗(回波损耗)Return Loss  (入射功率)Pi/(反射功率)Pr   取对数＊10就是功率反射衰减RL</source>
        <translation>Return loss: (incident power) Pi / (reflected power) Pr; 10 times its logarithm is the return loss RL</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>由于电路不全匹配时产生的回波损耗(db)</source>
        <translation>Return loss of the incomplete match (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>由于电路不全匹配时插入损耗(db)</source>
        <translation>Insertion loss of the incomplete match (dB)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>清除稳定圆</source>
        <translation>Clear stability circles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除增益圆和噪声圆</source>
        <translation>Clear gain and noise circles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除S参数点</source>
        <translation>Clear S-parameter points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除频率响应轨迹</source>
        <translation>Clear frequency response locus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>清除标注点</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>圆图</source>
        <translatorcomment>Glossary: 圆图 = Smith chart</translatorcomment>
        <translation>Smith chart</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>清除</source>
        <translatorcomment>Glossary: 清除 = Clear</translatorcomment>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>等Q圆</source>
        <translation>Constant Q</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>色盒</source>
        <translation>Colour box</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>匹配设置</source>
        <translatorcomment>Glossary: 匹配设置 = Matching setup (button, title and messages alike)</translatorcomment>
        <translation>Matching setup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>设置要匹配电路的负载、源点，匹配总是从负载向源方向进行。</source>
        <translation>Set the load and the source to match; matching always runs from the load toward the source.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>匹配总是从负载向源的方向匹配,所以需要先设置好要匹配的 负载和源，在按“增加元件”钮接入元件逐渐匹配</source>
        <translation>Matching always runs from the load toward the source: set the load and the source first, then add elements one by one with &quot;Add element&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>增加元件</source>
        <translation>Add element</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>增加匹配元件，比如并电容等操作</source>
        <translation>Add a matching element, such as a shunt capacitor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>先通过“匹配设置”钮设置好待匹配电路的“负载”，及匹配到的“源点”</source>
        <translation>First set the load to match and the source to match it to with &quot;Matching setup&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>删除元件</source>
        <translation>Delete element</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>删除最后接入的元件</source>
        <translation>Delete the last element added</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>删除最后接入匹配电路的元件</source>
        <translation>Delete the element last added to the matching network</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>重新计算</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>在圆图上重画匹配节点</source>
        <translation>Redraw the matching nodes on the chart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>从新在圆图上画出匹配的所有元件</source>
        <translation>Draw every element of the match on the chart again</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>频率响应</source>
        <translatorcomment>Glossary: 频率响应 = Frequency response</translatorcomment>
        <translation>Frequency response</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>匹配电路的回波损耗、驻波比随频率的变化及带宽</source>
        <translation>Return loss and VSWR of the matching network against frequency, and its bandwidth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>自动匹配</source>
        <translatorcomment>Glossary: 自动匹配 = Automatic matching</translatorcomment>
        <translation>Automatic matching</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>列出负载到源的L、Pi、T和单支节匹配方案，并接入其中之一</source>
        <translation>List the L, Pi, T and single-stub matches from the load to the source and build one of them in</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>放大器</source>
        <translation>Amplifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入网络、晶体管文件和输出网络级联：增益、回波损耗、mu 和稳定性随频率的变化</source>
        <translation>Input network, transistor file and output network in cascade: gain, return losses, mu and stability against frequency</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>撤销</source>
        <translatorcomment>Glossary: 撤销 = Undo</translatorcomment>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>撤销对匹配电路的上一步修改 (Ctrl+Z)</source>
        <translation>Undo the last change of the matching network (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>重做</source>
        <translatorcomment>Glossary: 重做 = Redo</translatorcomment>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>重做撤销的修改 (Ctrl+Shift+Z 或 Ctrl+Y)</source>
        <translation>Redo the change last undone (Ctrl+Shift+Z or Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>打开</source>
        <translatorcomment>Glossary: 打开 = Open</translatorcomment>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>打开匹配网络文件 (Ctrl+O)</source>
        <translation>Open a matching network file (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>保存</source>
        <translatorcomment>Glossary: 保存 = Save</translatorcomment>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>把匹配网络保存为文件 (Ctrl+S)</source>
        <translation>Save the matching network as a file (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>参数计算</source>
        <translation>Two-port calculator</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S参数 计算稳定性、理论增益，及复数计算</source>
        <translation>S-parameters: stability, theoretical gains and complex arithmetic</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>微带计算</source>
        <translation>Microstrip calculator</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>微带线特征阻抗、接入到电路后的阻抗等计算，</source>
        <translation>Microstrip characteristic impedance, impedance once connected into the circuit, and more</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+425"/>
        <source>保存圆图</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <location line="-425"/>
        <source>保存圆图到图片</source>
        <translation>Save the chart as a picture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打印圆图</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>打印圆图（先预览）</source>
        <translation>Print the chart (with a preview)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>默认布局</source>
        <translation>Default layout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>关闭所有停靠的工具窗口并把它们放回默认位置</source>
        <translation>Close every docked tool window and put it back where a fresh start has it</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>以命令的方式操作,命令多是小写。 帮助输入?后回车。软件简要说明help</source>
        <translation>Work by commands, mostly in lower case. Type ? and Enter for the list, help for a short guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>可以通过命令的方式查看、修改各种数据，包括匹配操作</source>
        <translation>View and change any data by commands, matching included</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S参数输入</source>
        <translation>S-parameter table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>读S参数文件，并可以将数据显示在圆图上。在数据格栅上按右鼠标键可以将数据发送给 S参数计算界面相应的输入框</source>
        <translation>Read S-parameter files and show their data on the chart. A right click on the data grid sends a row to the fields of the S-parameter calculator</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>命令输入</source>
        <translation>Command console</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>阻抗Z</source>
        <translation>Impedance Z</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>元件值</source>
        <translation>Element value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>模值</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>归一阻抗</source>
        <translation>Normalised Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>归一导纳</source>
        <translation>Normalised Y</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>VSWR</source>
        <translation>VSWR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>反射</source>
        <translation>Reflection</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>光标显示</source>
        <translation>Label at cursor</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>只清除一层：稳定圆、增益圆和噪声圆、S参数点、频率响应轨迹或标注点</source>
        <translation>Clear one layer only: stability circles, gain and noise circles, S-parameter points, the frequency-response locus or the marks</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>匹配网络已经改变,保存吗？</source>
        <translation>The matching network has changed. Save it?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>保存匹配网络</source>
        <translation>Save matching network</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>smh files (*.smh)</source>
        <translation>smh files (*.smh)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>文件存在是否覆盖 %1</source>
        <translation>The file exists. Overwrite %1?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>打开匹配网络</source>
        <translation>Open matching network</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>smh files (*.smh);;所有文件 (*)</source>
        <translation>smh files (*.smh);;All files (*)</translation>
    </message>
    <message>
        <location line="+243"/>
        <source>bmp files (*.bmp);;jpg files (*.bmp);;png files (*.png);;svg files (*.svg);;pdf files (*.pdf)</source>
        <translation>bmp files (*.bmp);;jpg files (*.bmp);;png files (*.png);;svg files (*.svg);;pdf files (*.pdf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>文件已经存在,覆盖吗？</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>圆图没有保存: %1</source>
        <translation>The chart was not saved: %1</translation>
    </message>
</context>
<context>
    <name>qv::TForm4</name>
    <message>
        <location filename="../windows/settings_window.cpp" line="+46"/>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+51"/>
        <source>操作频率</source>
        <translation>Operating frequency Fo</translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+50"/>
        <source>特正阻抗</source>
        <translation>System impedance Zo</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>下次启动时生效</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>qv::Tfabout</name>
    <message>
        <location filename="../windows/about_box.cpp" line="+24"/>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>关于射频微波Quorvane</source>
        <translation>About Quorvane, RF and microwave design</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>项目主页: %1</source>
        <translation>Project page: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>联系邮箱: %1</source>
        <translation>Contact e-mail: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qv::Tfgb</name>
    <message>
        <location filename="../windows/entry_admittance_window.cpp" line="+18"/>
        <source>导纳圆</source>
        <translation>Admittance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>G(实部)</source>
        <translation>G (real part)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B (虚部)</source>
        <translation>B (imaginary part)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>归一化输入</source>
        <translation>Normalised input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> 色盒</source>
        <translation>Colour box</translation>
    </message>
</context>
<context>
    <name>qv::Tfinhro</name>
    <message>
        <location filename="../windows/entry_gamma_window.cpp" line="+20"/>
        <source>输入Rho</source>
        <translation>Enter Rho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>对数输入</source>
        <translation>Magnitude in dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>画出等阻圆和等抗圆</source>
        <translation>Draw constant R and X circles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>极坐标输入时，是归一化后的值。勾上&quot;对数输入&quot;按对数计算</source>
        <translation>Polar input is normalised. Tick &quot;Magnitude in dB&quot; to enter the magnitude in dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示标注输入</source>
        <translation>Label text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>选择画点色</source>
        <translation>Point colour</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>输入错误！反射系数的模不能大于1</source>
        <translation>Input error! The magnitude of the reflection coefficient cannot exceed 1</translation>
    </message>
</context>
<context>
    <name>qv::Tfinrx</name>
    <message>
        <location filename="../windows/entry_impedance_window.cpp" line="+20"/>
        <source>请输入R+JX</source>
        <translation>Enter R+jX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>归一化输入</source>
        <translation>Normalised input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>画出等阻等抗图图</source>
        <translation>Draw constant R and X circles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>输入归一化的值请勾上选择相</source>
        <translation>Tick &quot;Normalised input&quot; to enter normalised values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>显示标注输入</source>
        <translation>Label text</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置画点色</source>
        <translation>Point colour</translation>
    </message>
</context>
<context>
    <name>qv::TfquQ</name>
    <message>
        <location filename="../windows/entry_q_window.cpp" line="+16"/>
        <source>画等Q圆</source>
        <translation>Constant Q circles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q值</source>
        <translation>Q value</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>是否标注</source>
        <translation>Label it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>输入错误！Q值必须大于0</source>
        <translation>Input error! Q must be greater than 0</translation>
    </message>
</context>
<context>
    <name>qv::Tqswr</name>
    <message>
        <location filename="../windows/entry_vswr_window.cpp" line="+15"/>
        <source>等VSWR</source>
        <translation>Constant VSWR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ANGLE</source>
        <translation>Angle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>画等VSWR圆</source>
        <translation>Draw constant VSWR circle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>选择色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>VSWR不能小于1</source>
        <translation>VSWR cannot be less than 1</translation>
    </message>
</context>
</TS>

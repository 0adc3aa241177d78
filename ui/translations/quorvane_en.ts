<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>Quorvane</name>
    <message>
        <source>软件已经运行还要运行码？</source>
        <translation>Quorvane is already running. Start another one?</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calc</translation>
    </message>
    <message>
        <source>T型定K式</source>
        <translation>Constant-k T filter</translation>
    </message>
    <message>
        <source>标称阻抗</source>
        <translation>Impedance</translation>
    </message>
    <message>
        <source>截止频率</source>
        <translation>Cut-off</translation>
    </message>
    <message>
        <source>电感量L/2</source>
        <translation>L/2</translation>
    </message>
    <message>
        <source>电容量C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>计算LC</source>
        <translation>Calc LC</translation>
    </message>
    <message>
        <source>PE3236-DVB-T频点计算</source>
        <translation>PE3236 DVB-T channel plan</translation>
    </message>
    <message>
        <source>频点</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>参考</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>R值</source>
        <translation>R</translation>
    </message>
    <message>
        <source>M值</source>
        <translation>M</translation>
    </message>
    <message>
        <source>A值</source>
        <translation>A</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>保存所有频点</source>
        <translation>Save all channels</translation>
    </message>
    <message>
        <source>频道号</source>
        <translation>Ch. no.</translation>
    </message>
    <message>
        <source>每行前的制表符数</source>
        <translation>Tabs before each line</translation>
    </message>
    <message>
        <source>步长(MHz)</source>
        <translation>Step (MHz)</translation>
    </message>
    <message>
        <source>步长</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>衰减计算</source>
        <translation>Attenuator pad</translation>
    </message>
    <message>
        <source>输入阻抗</source>
        <translation>Zin</translation>
    </message>
    <message>
        <source>输出阻抗</source>
        <translation>Zout</translation>
    </message>
    <message>
        <source>衰减（DB）</source>
        <translation>Atten. dB</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>T    型</source>
        <translation>T pad</translation>
    </message>
    <message>
        <source>∏   型</source>
        <translation>∏ pad</translation>
    </message>
    <message>
        <source>桥T型</source>
        <translation>Bridged T</translation>
    </message>
    <message>
        <source>波长</source>
        <translation>λ</translation>
    </message>
    <message>
        <source>1/%1波长</source>
        <translation>1/%1 λ</translation>
    </message>
    <message>
        <source>电压单位换算</source>
        <translation>Voltage units</translation>
    </message>
    <message>
        <source>ASCII对应</source>
        <translation>ASCII code</translation>
    </message>
    <message>
        <source>字符表</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>圆图</source>
        <translation>Smith Chart</translation>
    </message>
    <message>
        <source>匹配计算</source>
        <translation>Matching</translation>
    </message>
    <message>
        <source>微波计算</source>
        <translation>Formulas</translation>
    </message>
    <message>
        <source>文件已经存在,覆盖吗？</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <source>文件没有保存: </source>
        <translation>File not saved: </translation>
    </message>
    <message>
        <source>文件没有保存</source>
        <translation>File not saved</translation>
    </message>
    <message>
        <source>微波公式</source>
        <translation>Microwave formulas</translation>
    </message>
    <message>
        <source>自由空间的损耗=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr</source>
        <translation>Free-space loss=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr</translation>
    </message>
    <message>
        <source>频率(Mhz)</source>
        <translation>f (MHz)</translation>
    </message>
    <message>
        <source>距离(Km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>发射Gt(dB)</source>
        <translation>Tx Gt(dB)</translation>
    </message>
    <message>
        <source>接收Gr(dB)</source>
        <translation>Rx Gr(dB)</translation>
    </message>
    <message>
        <source>最大传输距离Km=4.12x(√发射天线高度＋√接收天线高度)</source>
        <translation>Line-of-sight range km=4.12x(√Tx antenna height+√Rx antenna height)</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>关于射频微波Quorvane</source>
        <translation>About Quorvane</translation>
    </message>
    <message>
        <source>项目主页</source>
        <translation>Project home page</translation>
    </message>
    <message>
        <source>联系邮箱</source>
        <translation>Contact e-mail</translation>
    </message>
    <message>
        <source>电压反射系数</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>衰减</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>插损</source>
        <translation>IL</translation>
    </message>
    <message>
        <source>电压驻波比</source>
        <translation>VSWR</translation>
    </message>
    <message>
        <source>功率反射系数</source>
        <translation>Pr/Pi</translation>
    </message>
    <message>
        <source>功率反射衰减</source>
        <translation>RL</translation>
    </message>
    <message>
        <source>接入元件</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>导纳圆</source>
        <translation>Admittance</translation>
    </message>
    <message>
        <source>G(实部)</source>
        <translation>G (real)</translation>
    </message>
    <message>
        <source>B (虚部)</source>
        <translation>B (imag.)</translation>
    </message>
    <message>
        <source>归一化输入</source>
        <translation>Normalised input</translation>
    </message>
    <message>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <source> 色盒</source>
        <translation> Colour</translation>
    </message>
    <message>
        <source>色盒</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>输入Rho</source>
        <translation>Enter Rho</translation>
    </message>
    <message>
        <source>对数输入</source>
        <translation>Input in dB</translation>
    </message>
    <message>
        <source>画出等阻圆和等抗圆</source>
        <translation>Draw R and X circles</translation>
    </message>
    <message>
        <source>极坐标输入时，是归一化后的值。勾上"对数输入"按对数计算</source>
        <translation>Polar input is normalised. Tick "Input in dB" for a magnitude in dB</translation>
    </message>
    <message>
        <source>显示标注输入</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>选择画点色</source>
        <translation>Point colour</translation>
    </message>
    <message>
        <source>请输入R+JX</source>
        <translation>Enter R+jX</translation>
    </message>
    <message>
        <source>画出等阻等抗图图</source>
        <translation>Draw R and X circles</translation>
    </message>
    <message>
        <source>输入归一化的值请勾上选择相</source>
        <translation>Tick the box to enter normalised values</translation>
    </message>
    <message>
        <source>设置画点色</source>
        <translation>Point colour</translation>
    </message>
    <message>
        <source>画等Q圆</source>
        <translation>Constant Q</translation>
    </message>
    <message>
        <source>Q值</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>是否标注</source>
        <translation>Label it</translation>
    </message>
    <message>
        <source>选择色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>等VSWR</source>
        <translation>Constant VSWR</translation>
    </message>
    <message>
        <source>画等VSWR圆</source>
        <translation>Draw VSWR circle</translation>
    </message>
    <message>
        <source>VSWR不能小于1</source>
        <translation>VSWR cannot be less than 1</translation>
    </message>
    <message>
        <source>归一化后的极坐标(S11，反射系数)</source>
        <translation>Normalised polar form (S11, reflection coefficient)</translation>
    </message>
    <message>
        <source>归一化后的电抗</source>
        <translation>Normalised impedance</translation>
    </message>
    <message>
        <source>归一化后的导抗</source>
        <translation>Normalised admittance</translation>
    </message>
    <message>
        <source>没有归一化导抗</source>
        <translation>Admittance, not normalised</translation>
    </message>
    <message>
        <source>电压反射系数=（反射电压） Vr/（入射电压）Vi</source>
        <translation>Voltage reflection coefficient = (reflected voltage) Vr / (incident voltage) Vi</translation>
    </message>
    <message>
        <source>功率反射系数Pr/Pi , (Vr/Vi)^2</source>
        <translation>Power reflection coefficient Pr/Pi, (Vr/Vi)^2</translation>
    </message>
    <message>
        <source>反馈损耗(回波损耗)Return Loss  (入射功率)Pi/(反射功率)Pr   取对数＊10就是功率反射衰减RL</source>
        <translation>Return loss: (incident power) Pi / (reflected power) Pr; 10 times its logarithm is the return loss RL</translation>
    </message>
    <message>
        <source>由于电路不全匹配时产生的回波损耗(db)</source>
        <translation>Return loss of the incomplete match (dB)</translation>
    </message>
    <message>
        <source>由于电路不全匹配时插入损耗(db)</source>
        <translation>Insertion loss of the incomplete match (dB)</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>等Q圆</source>
        <translation>Const. Q</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>匹配设置</source>
        <translation>Match setup</translation>
    </message>
    <message>
        <source>设置要匹配电路的负载、源点，匹配总是从负载向源方向进行。</source>
        <translation>Set the load and the source to match; matching always runs from the load toward the source.</translation>
    </message>
    <message>
        <source>匹配总是从负载向源的方向匹配,所以需要先设置好要匹配的 负载和源，在按“增加元件”钮接入元件逐渐匹配</source>
        <translation>Matching always runs from the load toward the source: set the load and the source first, then add elements one by one with "Add element"</translation>
    </message>
    <message>
        <source>增加元件</source>
        <translation>Add element</translation>
    </message>
    <message>
        <source>增加匹配元件，比如并电容等操作</source>
        <translation>Add a matching element, such as a shunt capacitor</translation>
    </message>
    <message>
        <source>先通过“匹配设置”钮设置好待匹配电路的“负载”，及匹配到的“源点”</source>
        <translation>First set the "load" to match and the "source" to match it to with "Match setup"</translation>
    </message>
    <message>
        <source>删除元件</source>
        <translation>Delete element</translation>
    </message>
    <message>
        <source>删除最后接入的元件</source>
        <translation>Delete the last element added</translation>
    </message>
    <message>
        <source>删除最后接入匹配电路的元件</source>
        <translation>Delete the element last added to the matching network</translation>
    </message>
    <message>
        <source>重新计算</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>在圆图上重画匹配节点</source>
        <translation>Redraw the matching nodes on the chart</translation>
    </message>
    <message>
        <source>从新在圆图上画出匹配的所有元件</source>
        <translation>Draw every element of the match on the chart again</translation>
    </message>
    <message>
        <source>参数计算</source>
        <translation>S-parameters</translation>
    </message>
    <message>
        <source>S参数 计算稳定性、理论增益，及复数计算</source>
        <translation>S-parameters: stability, theoretical gains and complex arithmetic</translation>
    </message>
    <message>
        <source>微带计算</source>
        <translation>Microstrip</translation>
    </message>
    <message>
        <source>微带线特征阻抗、接入到电路后的阻抗等计算，</source>
        <translation>Microstrip characteristic impedance, impedance once connected into the circuit, and more</translation>
    </message>
    <message>
        <source>保存圆图</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>保存圆图到图片</source>
        <translation>Save the chart as a picture</translation>
    </message>
    <message>
        <source>以命令的方式操作,命令多是小写。 帮助输入?后回车。软件简要说明help</source>
        <translation>Work by commands, mostly in lower case. Type ? and Enter for the list, help for a short guide</translation>
    </message>
    <message>
        <source>可以通过命令的方式查看、修改各种数据，包括匹配操作</source>
        <translation>View and change any data by commands, matching included</translation>
    </message>
    <message>
        <source>S参数输入</source>
        <translation>S-param files</translation>
    </message>
    <message>
        <source>读S参数文件，并可以将数据显示在圆图上。在数据格栅上按右鼠标键可以将数据发送给 S参数计算界面相应的输入框</source>
        <translation>Read S-parameter files and show their data on the chart. A right click on the data grid sends a row to the fields of the S-parameter calculator</translation>
    </message>
    <message>
        <source>显示元件</source>
        <translation>Show elements</translation>
    </message>
    <message>
        <source>命令输入</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>阻抗Z</source>
        <translation>Impedance Z</translation>
    </message>
    <message>
        <source>元件值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>模值</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>归一阻抗</source>
        <translation>Norm. Z</translation>
    </message>
    <message>
        <source>归一导纳</source>
        <translation>Norm. Y</translation>
    </message>
    <message>
        <source>反射</source>
        <translation>Reflection</translation>
    </message>
    <message>
        <source>光标显示</source>
        <translation>Cursor tag</translation>
    </message>
    <message>
        <source>圆图没有保存: </source>
        <translation>Chart not saved: </translation>
    </message>
    <message>
        <source>圆图没有保存</source>
        <translation>Chart not saved</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>操作频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>特正阻抗</source>
        <translation>Reference Z</translation>
    </message>
    <message>
        <source>输入错误！</source>
        <translation>Input error!</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>命令行输入</source>
        <translation>Command console</translation>
    </message>
    <message>
        <source>?  --帮助 </source>
        <translation>?  --help </translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>help</translation>
    </message>
    <message>
        <source>元件接入方式</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>输入可以带单位如10p,20n,10nf</source>
        <translation>Units may follow the value, e.g. 10p, 20n, 10nf</translation>
    </message>
    <message>
        <source>参数输入</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>W</translation>
    </message>
    <message>
        <source>板厚</source>
        <translation>H</translation>
    </message>
    <message>
        <source>铜厚</source>
        <translation>T</translation>
    </message>
    <message>
        <source>常数</source>
        <translation>Er</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>L</translation>
    </message>
    <message>
        <source>单位mm</source>
        <translation>in mm</translation>
    </message>
    <message>
        <source>阻抗</source>
        <translation>R</translation>
    </message>
    <message>
        <source>电抗</source>
        <translation>X</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>通过设置按钮改变频率</source>
        <translation>Change the frequency with the Settings button</translation>
    </message>
    <message>
        <source>串联电容</source>
        <translation>Series C</translation>
    </message>
    <message>
        <source>并联电容</source>
        <translation>Shunt C</translation>
    </message>
    <message>
        <source>串联电感</source>
        <translation>Series L</translation>
    </message>
    <message>
        <source>并联电感</source>
        <translation>Shunt L</translation>
    </message>
    <message>
        <source>串联微带</source>
        <translation>Series line</translation>
    </message>
    <message>
        <source>并联微带</source>
        <translation>Shunt stub</translation>
    </message>
    <message>
        <source>串联阻抗</source>
        <translation>Series Z</translation>
    </message>
    <message>
        <source>并联阻抗</source>
        <translation>Shunt Z</translation>
    </message>
    <message>
        <source>匹配网络已满(最多499个元件),不能再接入元件</source>
        <translation>The matching network is full (499 elements at most): no element can be added</translation>
    </message>
    <message>
        <source>请先通过“匹配设置”设置负载和源</source>
        <translation>Set the load and the source with "Match setup" first</translation>
    </message>
    <message>
        <source>文件存在是否覆盖 </source>
        <translation>exists. Overwrite it? </translation>
    </message>
    <message>
        <source>文件存在是否覆盖</source>
        <translation>exists. Overwrite it?</translation>
    </message>
    <message>
        <source>网络文件太短</source>
        <translation>The network file is too short</translation>
    </message>
    <message>
        <source>网络文件的节点数不在0..500之间</source>
        <translation>The node count of the network file is not within 0..500</translation>
    </message>
    <message>
        <source>网络文件比它的节点数所需的短</source>
        <translation>The network file is shorter than its node count needs</translation>
    </message>
    <message>
        <source>网络文件的频率不是有限的数</source>
        <translation>The frequency of the network file is not a finite number</translation>
    </message>
    <message>
        <source>网络文件的特征阻抗不是正数</source>
        <translation>The reference impedance of the network file is not positive</translation>
    </message>
    <message>
        <source>节点数不在0..500之间,网络没有保存</source>
        <translation>The node count is not within 0..500: the network was not saved</translation>
    </message>
    <message>
        <source>网络文件写入失败: </source>
        <translation>Cannot write the network file: </translation>
    </message>
    <message>
        <source>网络文件写入失败</source>
        <translation>Cannot write the network file</translation>
    </message>
    <message>
        <source>网络文件不存在或不能读: </source>
        <translation>The network file is missing or unreadable: </translation>
    </message>
    <message>
        <source>网络文件不存在或不能读</source>
        <translation>The network file is missing or unreadable</translation>
    </message>
    <message>
        <source>匹配总是从负载向源方向匹配，所以请先设置</source>
        <translation>Matching runs from the load toward the source: set them first</translation>
    </message>
    <message>
        <source>R(实部)</source>
        <translation>R (real)</translation>
    </message>
    <message>
        <source>J (虚部)</source>
        <translation>jX (imag.)</translation>
    </message>
    <message>
        <source>负载</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>源点</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>在用数据</source>
        <translation>Current data</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>对数输入    S参数输入    </source>
        <translation>dB input (S-par.)</translation>
    </message>
    <message>
        <source>倒换数据</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>参数转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>不是参数文件: </source>
        <translation>Not a parameter file: </translation>
    </message>
    <message>
        <source>不是参数文件</source>
        <translation>Not a parameter file</translation>
    </message>
    <message>
        <source>参数文件没有保存: </source>
        <translation>Parameter file not saved: </translation>
    </message>
    <message>
        <source>参数文件没有保存</source>
        <translation>Parameter file not saved</translation>
    </message>
    <message>
        <source>T匹配计算</source>
        <translation>T match</translation>
    </message>
    <message>
        <source>电抗计算</source>
        <translation>Reactance</translation>
    </message>
    <message>
        <source>基本计算</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Q1取值</source>
        <translation>Q1 value</translation>
    </message>
    <message>
        <source>再计算LC</source>
        <translation>Then LC</translation>
    </message>
    <message>
        <source>先计算Q2</source>
        <translation>First Q2</translation>
    </message>
    <message>
        <source>电容</source>
        <translation>Capacitance</translation>
    </message>
    <message>
        <source>容抗</source>
        <translation>Xc</translation>
    </message>
    <message>
        <source>电感</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>感抗</source>
        <translation>Xl</translation>
    </message>
    <message>
        <source>并联计算</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>欧</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>参数输入错误！！！</source>
        <translation>Parameter input error!!!</translation>
    </message>
    <message>
        <source>默认单位为mm，可以输入50m，或50M，表示50Imper(mil) </source>
        <translation>In mm by default; 50m or 50M means 50 mil </translation>
    </message>
    <message>
        <source>单位为mm</source>
        <translation>in mm</translation>
    </message>
    <message>
        <source>Hammerstad–Jensen (1980) 静态模型给出特征阻抗和有效常数，Kirschning–Jansen (1982) 给出操作频率下的色散。适用范围：0.1 ≤ W/H ≤ 100，Er ≤ 128，色散约至 60 GHz</source>
        <translation>Hammerstad–Jensen (1980) static model for the characteristic impedance and effective constant, Kirschning–Jansen (1982) for the dispersion at the operating frequency. Valid for 0.1 ≤ W/H ≤ 100, Er ≤ 128, dispersion up to about 60 GHz</translation>
    </message>
    <message>
        <source>微带线计算</source>
        <translation>Microstrip calculator</translation>
    </message>
    <message>
        <source>微带线宽</source>
        <translation>Width W</translation>
    </message>
    <message>
        <source>基板厚度</source>
        <translation>Height H</translation>
    </message>
    <message>
        <source>铜簿厚度</source>
        <translation>Copper T</translation>
    </message>
    <message>
        <source>介电常数</source>
        <translation>Er</translation>
    </message>
    <message>
        <source>微带线长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>负载阻抗</source>
        <translation>Load Z</translation>
    </message>
    <message>
        <source>特征阻抗</source>
        <translation>Zo</translation>
    </message>
    <message>
        <source>L  处阻抗</source>
        <translation>Z at L</translation>
    </message>
    <message>
        <source>L 处阻抗</source>
        <translation>Z at L</translation>
    </message>
    <message>
        <source>虚     部</source>
        <translation>Imag.</translation>
    </message>
    <message>
        <source>虚部</source>
        <translation>Imag.</translation>
    </message>
    <message>
        <source>实部</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>相   速  度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>相速度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>有效常数</source>
        <translation>Eeff</translation>
    </message>
    <message>
        <source>有效波长</source>
        <translation>λ eff</translation>
    </message>
    <message>
        <source>相     移</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>相移</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>工作频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>输入阻抗求微带线宽</source>
        <translation>Width from impedance</translation>
    </message>
    <message>
        <source>最高工作频率</source>
        <translation>Max. frequency</translation>
    </message>
    <message>
        <source>特征参数计算</source>
        <translation>Line analysis</translation>
    </message>
    <message>
        <source>阻抗计算线宽</source>
        <translation>Width from Zo</translation>
    </message>
    <message>
        <source>业界通用模型</source>
        <translation>Industry model</translation>
    </message>
    <message>
        <source>静态</source>
        <translation>static</translation>
    </message>
    <message>
        <source>色散</source>
        <translation>dispersion</translation>
    </message>
    <message>
        <source>带状</source>
        <translation>Strip</translation>
    </message>
    <message>
        <source>环型</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>螺旋</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>计算电感</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>铜箔厚度错误.</source>
        <translation>Wrong copper thickness.</translation>
    </message>
    <message>
        <source>铜箔厚度错误</source>
        <translation>Wrong copper thickness</translation>
    </message>
    <message>
        <source>超出</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>负载阻抗实部</source>
        <translation>Load Z real part</translation>
    </message>
    <message>
        <source>负载阻抗虚部</source>
        <translation>Load Z imaginary part</translation>
    </message>
    <message>
        <source>带状电感长度 l</source>
        <translation>Strip inductor length l</translation>
    </message>
    <message>
        <source>环型电感尺寸 a</source>
        <translation>Loop inductor size a</translation>
    </message>
    <message>
        <source>螺旋电感外径 do</source>
        <translation>Spiral outer diameter do</translation>
    </message>
    <message>
        <source>螺旋电感内径 di</source>
        <translation>Spiral inner diameter di</translation>
    </message>
    <message>
        <source>带状电感长度</source>
        <translation>Strip inductor length</translation>
    </message>
    <message>
        <source>环型电感尺寸</source>
        <translation>Loop inductor size</translation>
    </message>
    <message>
        <source>螺旋电感外径</source>
        <translation>Spiral outer diameter</translation>
    </message>
    <message>
        <source>螺旋电感内径</source>
        <translation>Spiral inner diameter</translation>
    </message>
    <message>
        <source>螺旋电感的外径不能小于内径！</source>
        <translation>The outer diameter of a spiral cannot be less than its inner diameter!</translation>
    </message>
    <message>
        <source>应</source>
        <translation>should be</translation>
    </message>
    <message>
        <source>S参数输入方式</source>
        <translation>S-parameter input</translation>
    </message>
    <message>
        <source>复数计算</source>
        <translation>Complex arithmetic</translation>
    </message>
    <message>
        <source>输入实部</source>
        <translation>Real in</translation>
    </message>
    <message>
        <source>输入虚部</source>
        <translation>Imag. in</translation>
    </message>
    <message>
        <source>中间值</source>
        <translation>Interim</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>S参数转换为Z参数</source>
        <translation>S to Z parameters</translation>
    </message>
    <message>
        <source>实部/模值</source>
        <translation>Real/Mag.</translation>
    </message>
    <message>
        <source>虚部/角度</source>
        <translation>Imag./Angle</translation>
    </message>
    <message>
        <source>极坐标输入</source>
        <translation>Polar input</translation>
    </message>
    <message>
        <source>文件输入</source>
        <translation>From file</translation>
    </message>
    <message>
        <source>|d|=|s11*s22-s12*s21|  当d&lt;1  k&gt;1 是稳定的</source>
        <translation>|d|=|s11*s22-s12*s21|; stable when d&lt;1 and k&gt;1</translation>
    </message>
    <message>
        <source>Rollett(K) 系数 当他大于1是稳定的</source>
        <translation>Rollett stability factor K: stable above 1</translation>
    </message>
    <message>
        <source>最大增益：</source>
        <translation>Max. gain:</translation>
    </message>
    <message>
        <source>稳定程度</source>
        <translation>Stability</translation>
    </message>
    <message>
        <source>源匹配增益db</source>
        <translation>Source match gain dB</translation>
    </message>
    <message>
        <source>正向传输增益db</source>
        <translation>Forward gain dB</translation>
    </message>
    <message>
        <source>负载匹配增益db</source>
        <translation>Load match gain dB</translation>
    </message>
    <message>
        <source>最大匹配增益</source>
        <translation>Max. match gain</translation>
    </message>
    <message>
        <source>K&gt;1 且 ⊿&lt;1 时为最大可用增益 MAG(db)，否则为最大稳定增益 MSG=|S21|/|S12|(db)</source>
        <translation>Maximum available gain MAG(db) when K&gt;1 and ⊿&lt;1, else maximum stable gain MSG=|S21|/|S12|(db)</translation>
    </message>
    <message>
        <source>源端稳定程度 u'=(1-|S22|²)/(|S11-d*S22'|+|S12*S21|)</source>
        <translation>Source stability u'=(1-|S22|²)/(|S11-d*S22'|+|S12*S21|)</translation>
    </message>
    <message>
        <source>输出稳定圆</source>
        <translation>Out. circle</translation>
    </message>
    <message>
        <source>输出稳定圆心</source>
        <translation>Output circle centre</translation>
    </message>
    <message>
        <source>输出稳定圆心角度</source>
        <translation>Output centre angle</translation>
    </message>
    <message>
        <source>输入稳定圆</source>
        <translation>In. circle</translation>
    </message>
    <message>
        <source>频率:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>项目主页: https://quorvane.example.org</source>
        <translation>Project home page: https://quorvane.example.org</translation>
    </message>
    <message>
        <source>联系邮箱: team@quorvane.example.org</source>
        <translation>Contact e-mail: team@quorvane.example.org</translation>
    </message>
    <message>
        <source>L 处阻抗 (f)</source>
        <translation>Z at L (f)</translation>
    </message>
    <message>
        <source>基板厚度输入错误！</source>
        <translation>Board height: input error!</translation>
    </message>
    <message>
        <source>铜簿厚度输入错误！</source>
        <translation>Copper thickness: input error!</translation>
    </message>
    <message>
        <source>介电常数输入错误！</source>
        <translation>Dielectric constant: input error!</translation>
    </message>
    <message>
        <source>微带线宽输入错误！</source>
        <translation>Line width: input error!</translation>
    </message>
    <message>
        <source>特征阻抗输入错误！</source>
        <translation>Characteristic impedance: input error!</translation>
    </message>
    <message>
        <source>微带线长输入错误！</source>
        <translation>Line length: input error!</translation>
    </message>
    <message>
        <source>负载阻抗实部输入错误！</source>
        <translation>Load resistance: input error!</translation>
    </message>
    <message>
        <source>负载阻抗虚部输入错误！</source>
        <translation>Load reactance: input error!</translation>
    </message>
    <message>
        <source>铜厚输入错误！</source>
        <translation>Copper thickness: input error!</translation>
    </message>
    <message>
        <source>板厚输入错误！</source>
        <translation>Board height: input error!</translation>
    </message>
    <message>
        <source>线宽输入错误！</source>
        <translation>Line width: input error!</translation>
    </message>
    <message>
        <source>操作频率输入错误！</source>
        <translation>Frequency: input error!</translation>
    </message>
    <message>
        <source>圈数输入错误！</source>
        <translation>Turns: input error!</translation>
    </message>
    <message>
        <source>输入错误！反射系数的模不能大于1</source>
        <translation>Input error! The magnitude of the reflection coefficient cannot exceed 1</translation>
    </message>
    <message>
        <source>输入错误！Q值必须大于0</source>
        <translation>Input error! Q must be greater than 0</translation>
    </message>
    <message>
        <source>匹配网络已经改变,保存吗？</source>
        <translation>The matching network has changed. Save it?</translation>
    </message>
    <message>
        <source>保存匹配网络</source>
        <translation>Save matching network</translation>
    </message>
    <message>
        <source>S参数文件输入</source>
        <translation>S-parameter file</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>S参数表</source>
        <translation>S-parameter table</translation>
    </message>
    <message>
        <source>显示间隔</source>
        <translation>Show every</translation>
    </message>
    <message>
        <source>图上显示</source>
        <translation>On chart</translation>
    </message>
    <message>
        <source>设置为负载</source>
        <translation>Set as load</translation>
    </message>
    <message>
        <source>设置为源点</source>
        <translation>Set as source</translation>
    </message>
    <message>
        <source>无法保存</source>
        <translation>Cannot save</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>无法保存文件</source>
        <translation>Cannot save the file</translation>
    </message>
    <message>
        <source>文件太大，不是</source>
        <translation>File too large, not an</translation>
    </message>
    <message>
        <source>参数文件：</source>
        <translation>-parameter file:</translation>
    </message>
    <message>
        <source>参数文件</source>
        <translation>-parameter file</translation>
    </message>
    <message>
        <source>频率MHz</source>
        <translation>Freq. MHz</translation>
    </message>
    <message>
        <source>第</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>行：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>行：缺少</source>
        <translation>: missing</translation>
    </message>
    <message>
        <source>的数值</source>
        <translation>value</translation>
    </message>
    <message>
        <source>超出数值范围</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>注意：文件中没有数据行</source>
        <translation>Note: the file has no data lines</translation>
    </message>
    <message>
        <source>注意：文件中是</source>
        <translation>Note: the file holds</translation>
    </message>
    <message>
        <source>参数，表中按</source>
        <translation>-parameters; the table shows them as</translation>
    </message>
    <message>
        <source>参数显示</source>
        <translation>-parameters</translation>
    </message>
    <message>
        <source>注意：文件的参考阻抗为</source>
        <translation>Note: the reference impedance of the file is</translation>
    </message>
    <message>
        <source>欧，不是</source>
        <translation>Ω, not</translation>
    </message>
    <message>
        <source>欧；数值没有换算到</source>
        <translation>Ω; the values are not converted to</translation>
    </message>
    <message>
        <source>文件超过</source>
        <translation>The file has more than</translation>
    </message>
    <message>
        <source>行，不是</source>
        <translation>lines: not an</translation>
    </message>
    <message>
        <source>线宽:</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>频率响应</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>起始频率</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>终止频率</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>门限dB</source>
        <translation>Threshold dB</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>负载文件...</source>
        <translation>Load file...</translation>
    </message>
    <message>
        <source>负载的S参数文件</source>
        <translation>S-parameter file of the load</translation>
    </message>
    <message>
        <source>匹配设置的负载（恒定）</source>
        <translation>Load of the match setup (constant)</translation>
    </message>
    <message>
        <source>匹配设置的负载</source>
        <translation>Load of the match setup</translation>
    </message>
    <message>
        <source>恒定</source>
        <translation>constant</translation>
    </message>
    <message>
        <source>S参数文件的S11（端口1）</source>
        <translation>S11 of an S-parameter file (port 1)</translation>
    </message>
    <message>
        <source>S参数文件的S22（端口2）</source>
        <translation>S22 of an S-parameter file (port 2)</translation>
    </message>
    <message>
        <source>S参数文件的S</source>
        <translation>S of an S-parameter file</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>port</translation>
    </message>
    <message>
        <source>负载：匹配设置的负载（恒定）</source>
        <translation>Load: load of the match setup (constant)</translation>
    </message>
    <message>
        <source>回波损耗 dB</source>
        <translation>Return loss dB</translation>
    </message>
    <message>
        <source>回波损耗</source>
        <translation>Return loss</translation>
    </message>
    <message>
        <source>驻波比</source>
        <translation>VSWR</translation>
    </message>
    <message>
        <source>频带</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>相对带宽</source>
        <translation>fractional bandwidth</translation>
    </message>
    <message>
        <source>没有设置负载和源阻抗</source>
        <translation>No load and source set</translation>
    </message>
    <message>
        <source>工作频率不在扫描范围内</source>
        <translation>The design frequency is outside the sweep</translation>
    </message>
    <message>
        <source>工作频率处无法计算</source>
        <translation>Cannot be computed at the design frequency</translation>
    </message>
    <message>
        <source>匹配达不到</source>
        <translation>The match never reaches</translation>
    </message>
    <message>
        <source>工作频率处回波损耗为</source>
        <translation>return loss at the design frequency is</translation>
    </message>
    <message>
        <source>个频率点无法计算</source>
        <translation>frequencies could not be computed</translation>
    </message>
    <message>
        <source>未画出</source>
        <translation>not drawn</translation>
    </message>
    <message>
        <source>如</source>
        <translation>e.g.</translation>
    </message>
    <message>
        <source>频带超出扫描范围</source>
        <translation>band reaches beyond the sweep</translation>
    </message>
    <message>
        <source>计算失败</source>
        <translation>computation failed</translation>
    </message>
    <message>
        <source>不在负载文件的频率范围内</source>
        <translation>is outside the load file's frequencies</translation>
    </message>
    <message>
        <source>请先用“负载文件...”选择S参数文件</source>
        <translation>Choose an S-parameter file with "Load file..." first</translation>
    </message>
    <message>
        <source>所有文件</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>自动匹配</source>
        <translation>Auto match</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>撤销对匹配电路的上一步修改 (Ctrl+Z)</source>
        <translation>Undo the last change of the matching network (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做撤销的修改 (Ctrl+Shift+Z)</source>
        <translation>Redo the change last undone (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>列出负载到源的L、Pi、T和单支节匹配方案，并接入其中之一</source>
        <translation>List the L, Pi, T and single-stub matches from the load to the source and build one of them in</translation>
    </message>
    <message>
        <source>单支节</source>
        <translation>Stub</translation>
    </message>
    <message>
        <source>有载Q</source>
        <translation>Loaded Q</translation>
    </message>
    <message>
        <source>Pi和T网络的有载Q，空着时取L网络最小Q的两倍</source>
        <translation>Loaded Q of the Pi and T networks; when empty, twice the minimum Q of the L network</translation>
    </message>
    <message>
        <source>标称系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>线宽mm</source>
        <translation>Width mm</translation>
    </message>
    <message>
        <source>板厚mm</source>
        <translation>Board mm</translation>
    </message>
    <message>
        <source>铜厚mm</source>
        <translation>Copper mm</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>元件（精确值）</source>
        <translation>Elements (exact)</translation>
    </message>
    <message>
        <source>标称值</source>
        <translation>Standard values</translation>
    </message>
    <message>
        <source>标称值回损dB</source>
        <translation>Std RL dB</translation>
    </message>
    <message>
        <source>带宽MHz</source>
        <translation>BW MHz</translation>
    </message>
    <message>
        <source>用标称值</source>
        <translation>Standard values</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>请先在“匹配设置”中设置负载和源</source>
        <translation>Set the load and the source in "Matching setup" first</translation>
    </message>
    <message>
        <source>请先计算并选择一个方案</source>
        <translation>Calculate and choose a solution first</translation>
    </message>
    <message>
        <source>负载、源、频率、系统阻抗或匹配方式已改变，请重新计算</source>
        <translation>The load, source, frequency, Zo or match mode has changed: calculate again</translation>
    </message>
    <message>
        <source>串</source>
        <translation>Ser </translation>
    </message>
    <message>
        <source>并</source>
        <translation>Sh </translation>
    </message>
    <message>
        <source>串微带</source>
        <translation>Ser line </translation>
    </message>
    <message>
        <source>并开路支节</source>
        <translation>Open stub </translation>
    </message>
    <message>
        <source>网络</source>
        <translation>network</translation>
    </message>
    <message>
        <source>低于最小值</source>
        <translation>is below the minimum</translation>
    </message>
    <message>
        <source>元件太多</source>
        <translation>Too many elements</translation>
    </message>
    <message>
        <source>所选的网络形式没有解</source>
        <translation>The chosen forms have no solution</translation>
    </message>
    <message>
        <source>按回波损耗不低于</source>
        <translation>ranked by the bandwidth with return loss of at least</translation>
    </message>
    <message>
        <source>的带宽由宽到窄排列</source>
        <translation>widest first</translation>
    </message>
    <message>
        <source>网络最小</source>
        <translation>network minimum</translation>
    </message>
    <message>
        <source>单支节：基板参数无效（线宽、板厚、铜厚须大于0，板厚大于两倍铜厚，介电常数大于1）</source>
        <translation>Single stub: invalid substrate (width, height and copper thickness above 0, height above twice the copper, Er above 1)</translation>
    </message>
    <message>
        <source>单支节：特性阻抗%.2f欧的线在此基板上无解，请换线宽</source>
        <translation>Single stub: no solution for this line width</translation>
    </message>
    <message>
        <source>基板参数无效</source>
        <translation>invalid substrate</translation>
    </message>
    <message>
        <source>特性阻抗</source>
        <translation>characteristic impedance</translation>
    </message>
    <message>
        <source>欧的线在此基板上无解</source>
        <translation>ohm line has no solution on this substrate</translation>
    </message>
    <message>
        <source>请换线宽</source>
        <translation>choose another width</translation>
    </message>
    <message>
        <source>源电阻须大于0：纯电抗或负电阻的源无法用无损网络匹配</source>
        <translation>The source resistance must be above 0: a purely reactive or negative-resistance source cannot be matched losslessly</translation>
    </message>
    <message>
        <source>负载电阻须大于0：纯电抗或负电阻的负载无法用无损网络匹配</source>
        <translation>The load resistance must be above 0: a purely reactive or negative-resistance load cannot be matched losslessly</translation>
    </message>
    <message>
        <source>源电阻须大于0</source>
        <translation>The source resistance must be above 0</translation>
    </message>
    <message>
        <source>负载电阻须大于0</source>
        <translation>The load resistance must be above 0</translation>
    </message>
    <message>
        <source>纯电抗或负电阻的源无法用无损网络匹配</source>
        <translation>a purely reactive or negative-resistance source cannot be matched losslessly</translation>
    </message>
    <message>
        <source>纯电抗或负电阻的负载无法用无损网络匹配</source>
        <translation>a purely reactive or negative-resistance load cannot be matched losslessly</translation>
    </message>
    <message>
        <source>请先设置负载和源</source>
        <translation>Set the load and source first</translation>
    </message>
    <message>
        <source>负载已与源匹配，无需匹配网络</source>
        <translation>The load already matches the source: no network is needed</translation>
    </message>
    <message>
        <source>频率和系统阻抗须为大于0的数</source>
        <translation>Fo and Zo must be numbers above 0</translation>
    </message>
    <message>
        <source>放大器设计</source>
        <translation>Amplifier design</translation>
    </message>
    <message>
        <source>使用此频率</source>
        <translation>Use this freq.</translation>
    </message>
    <message>
        <source>输入匹配</source>
        <translation>Input match</translation>
    </message>
    <message>
        <source>噪声匹配</source>
        <translation>Noise match</translation>
    </message>
    <message>
        <source>输出匹配</source>
        <translation>Output match</translation>
    </message>
    <message>
        <source>Ga圆</source>
        <translation>Ga circle</translation>
    </message>
    <message>
        <source>Gp圆</source>
        <translation>Gp circle</translation>
    </message>
    <message>
        <source>NF圆</source>
        <translation>NF circle</translation>
    </message>
    <message>
        <source>增益（dB）</source>
        <translation>Gain (dB)</translation>
    </message>
    <message>
        <source>噪声系数（dB）</source>
        <translation>Noise figure (dB)</translation>
    </message>
    <message>
        <source>没有噪声参数</source>
        <translation>No noise parameters</translation>
    </message>
    <message>
        <source>同时共轭匹配时源端反射系数 Γms</source>
        <translation>Source reflection of the simultaneous conjugate match, Γms</translation>
    </message>
    <message>
        <source>同时共轭匹配时负载端反射系数 Γml</source>
        <translation>Load reflection of the simultaneous conjugate match, Γml</translation>
    </message>
    <message>
        <source>Γms 对应的阻抗（欧）</source>
        <translation>Impedance of Γms (ohms)</translation>
    </message>
    <message>
        <source>Γml 对应的阻抗（欧）</source>
        <translation>Impedance of Γml (ohms)</translation>
    </message>
    <message>
        <source>无条件稳定（K&gt;1 且 |⊿|&lt;1）：可同时共轭匹配</source>
        <translation>Unconditionally stable (K&gt;1 and |Δ|&lt;1): simultaneous conjugate match exists</translation>
    </message>
    <message>
        <source>潜在不稳定（K&lt;=1 或 |⊿|&gt;=1）：没有同时共轭匹配，稳定圆的不稳定一侧不能作源或负载</source>
        <translation>Potentially unstable (K&lt;=1 or |Δ|&gt;=1): no simultaneous conjugate match; the unstable side of each stability circle cannot be a source or load</translation>
    </message>
    <message>
        <source>器件不是无条件稳定（K&lt;=1 或 |⊿|&gt;=1），没有同时共轭匹配</source>
        <translation>The device is not unconditionally stable (K&lt;=1 or |Δ|&gt;=1): no simultaneous conjugate match</translation>
    </message>
    <message>
        <source>噪声系数低于最小噪声系数NFmin</source>
        <translation>The noise figure is below NFmin</translation>
    </message>
    <message>
        <source>没有反射系数能得到这个增益（高于最大增益）</source>
        <translation>No reflection gives this gain (above the maximum gain)</translation>
    </message>
    <message>
        <source>设计条件：</source>
        <translation>Designed for: </translation>
    </message>
    <message>
        <source>设计条件：没有设置负载和源</source>
        <translation>Designed for: no load and source set</translation>
    </message>
    <message>
        <source>负载=</source>
        <translation>load=</translation>
    </message>
    <message>
        <source>源=</source>
        <translation>source=</translation>
    </message>
    <message>
        <source>器件不是无条件稳定（K&lt;=1 或 |D|&gt;=1），没有同时共轭匹配</source>
        <translation>the device is not unconditionally stable (K&lt;=1 or |D|&gt;=1): no simultaneous conjugate match</translation>
    </message>
    <message>
        <source>噪声系数低于该频率的最小噪声系数NFmin</source>
        <translation>the noise figure is below NFmin at this frequency</translation>
    </message>
    <message>
        <source>文件在该频率没有噪声参数</source>
        <translation>the file has no noise parameters at this frequency</translation>
    </message>
    <message>
        <source>请先用 twoport FILE F 读入器件</source>
        <translation>first read a device with twoport FILE F</translation>
    </message>
    <message>
        <source>无法计算：</source>
        <translation>cannot compute: </translation>
    </message>
    <message>
        <source>文件中没有两端口数据</source>
        <translation>the file holds no two-port data</translation>
    </message>
    <message>
        <source>文件中有不完整的两端口数据行：</source>
        <translation>the file has an incomplete two-port row: </translation>
    </message>
    <message>
        <source>文件中的频率没有逐行增大：</source>
        <translation>the file's frequencies do not rise row by row: </translation>
    </message>
    <message>
        <source>负载阻抗:=</source>
        <translation>load:=</translation>
    </message>
    <message>
        <source>源阻抗:=</source>
        <translation>source:=</translation>
    </message>
    <message>
        <source>并联短路微带</source>
        <translation>Shunt short stub</translation>
    </message>
    <message>
        <source>并短路支节</source>
        <translation>Short stub </translation>
    </message>
    <message>
        <source>短路支节</source>
        <translation>Short stub</translation>
    </message>
    <message>
        <source>成品率次数</source>
        <translation>Builds</translation>
    </message>
    <message>
        <source>按元件模型（parts）的Q和容差装配的次数，最多100000</source>
        <translation>Builds with the Q and tolerances of the parts model (parts), at most 100000</translation>
    </message>
    <message>
        <source>画出分布</source>
        <translation>Show spread</translation>
    </message>
    <message>
        <source>成品率</source>
        <translation>Yield</translation>
    </message>
    <message>
        <source>最差</source>
        <translation>Worst</translation>
    </message>
    <message>
        <source>最好</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>成品率计算中...</source>
        <translation>Computing the yield...</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>成品率计算已取消</source>
        <translation>Yield cancelled</translation>
    </message>
    <message>
        <source>Bode-Fano极限</source>
        <translation>Bode-Fano limit</translation>
    </message>
    <message>
        <source>本设计为极限的</source>
        <translation>this design reaches</translation>
    </message>
    <message>
        <source>负载为纯电阻</source>
        <translation>the load is purely resistive</translation>
    </message>
    <message>
        <source>带宽没有限制</source>
        <translation>the bandwidth has no limit</translation>
    </message>
    <message>
        <source>RL 须为正的回波损耗门限（dB）</source>
        <translation>RL must be a positive return-loss threshold (dB)</translation>
    </message>
    <message>
        <source>处无法计算</source>
        <translation>cannot be computed at that frequency</translation>
    </message>
    <message>
        <source>放大器</source>
        <translation>Amplifier</translation>
    </message>
    <message>
        <source>晶体管文件</source>
        <translation>Transistor file</translation>
    </message>
    <message>
        <source>输入网络</source>
        <translation>Input network</translation>
    </message>
    <message>
        <source>输出网络</source>
        <translation>Output network</translation>
    </message>
    <message>
        <source>当前网络</source>
        <translation>Current network</translation>
    </message>
    <message>
        <source>网络文件</source>
        <translation>Network file</translation>
    </message>
    <message>
        <source>导出S2P...</source>
        <translation>Export S2P...</translation>
    </message>
    <message>
        <source>保存图片...</source>
        <translation>Save picture...</translation>
    </message>
    <message>
        <source>不稳定</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <source>稳定</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>增益GT dB</source>
        <translation>Gain GT dB</translation>
    </message>
    <message>
        <source>输入回波损耗 dB</source>
        <translation>Input return loss dB</translation>
    </message>
    <message>
        <source>输出回波损耗 dB</source>
        <translation>Output return loss dB</translation>
    </message>
    <message>
        <source>输入端不稳定的最低频率</source>
        <translation>Input unstable from</translation>
    </message>
    <message>
        <source>输出端不稳定的最低频率</source>
        <translation>Output unstable from</translation>
    </message>
    <message>
        <source>稳定电阻</source>
        <translation>Stabilising resistor</translation>
    </message>
    <message>
        <source>输入串联</source>
        <translation>series at input</translation>
    </message>
    <message>
        <source>输入并联</source>
        <translation>shunt at input</translation>
    </message>
    <message>
        <source>输出串联</source>
        <translation>series at output</translation>
    </message>
    <message>
        <source>输出并联</source>
        <translation>shunt at output</translation>
    </message>
    <message>
        <source>不需要</source>
        <translation>none needed</translation>
    </message>
    <message>
        <source>无法稳定</source>
        <translation>cannot stabilise</translation>
    </message>
    <message>
        <source>请先计算</source>
        <translation>Calculate first</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>S参数文件</source>
        <translation>S-parameter files</translation>
    </message>
    <message>
        <source>无法写入文件</source>
        <translation>Cannot write the file</translation>
    </message>
    <message>
        <source>已导出放大器</source>
        <translation>Exported the amplifier's</translation>
    </message>
    <message>
        <source>个频率点到</source>
        <translation> frequencies to</translation>
    </message>
    <message>
        <source>输入网络、晶体管文件和输出网络级联：增益、回波损耗、mu 和稳定性随频率的变化</source>
        <translation>Input network, transistor file and output network in cascade: gain, return losses, mu and stability against frequency</translation>
    </message>
    <message>
        <source>业界通用模型，供核对（网络中的微带元件用左侧的本程序模型）</source>
        <translation>Field-standard model, for checking (the network's microstrip elements use the program's model on the left)</translation>
    </message>
    <message>
        <source>注意：基板厚度超过0.13波长，色散公式不再适用</source>
        <translation>Note: the substrate is thicker than 0.13 wavelengths; the dispersion formulas no longer apply</translation>
    </message>
    <message>
        <source>本程序的闭式公式：网络中的微带元件和"阻抗计算线宽"的线宽都用它</source>
        <translation>The program's closed forms: the network's microstrip elements and the width synthesis use them</translation>
    </message>
    <message>
        <source>此线宽的Z0 (本程序)</source>
        <translation>Z0 of this width (program)</translation>
    </message>
    <message>
        <source>左侧线宽的Z0 (通用)</source>
        <translation>Z0 of the left width (standard)</translation>
    </message>
    <message>
        <source>X2为0，不能作除数</source>
        <translation>X2 is 0: it cannot divide</translation>
    </message>
    <message>
        <source>X1 + X2 为0，并联阻抗为无穷大</source>
        <translation>X1 + X2 is 0: the parallel impedance is infinite</translation>
    </message>
    <message>
        <source>欧；表中数值没有换算到</source>
        <translation>Ω; the table's values are not converted to</translation>
    </message>
    <message>
        <source>图上的点已换算</source>
        <translation>the chart's points are</translation>
    </message>
    <message>
        <source>，不是</source>
        <translation>: not an</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>默认布局</source>
        <translation>Default layout</translation>
    </message>
    <message>
        <source>打开匹配网络文件 (Ctrl+O)</source>
        <translation>Open a matching network file (Ctrl+O)</translation>
    </message>
    <message>
        <source>把匹配网络保存为文件 (Ctrl+S)</source>
        <translation>Save the matching network as a file (Ctrl+S)</translation>
    </message>
    <message>
        <source>关闭所有停靠的工具窗口并把它们放回默认位置</source>
        <translation>Close every docked tool window and put it back where a fresh start has it</translation>
    </message>
    <message>
        <source>打开匹配网络</source>
        <translation>Open matching network</translation>
    </message>
    <message>
        <source>smh files (*.smh);;所有文件 (*)</source>
        <translation>smh files (*.smh);;All files (*)</translation>
    </message>
    <message>
        <source>重做撤销的修改 (Ctrl+Shift+Z 或 Ctrl+Y)</source>
        <translation>Redo the change last undone (Ctrl+Shift+Z or Ctrl+Y)</translation>
    </message>
    <message>
        <source>只清除一层：稳定圆、增益圆和噪声圆、S参数点、频率响应轨迹或标注点</source>
        <translation>Clear one layer only: stability circles, gain and noise circles, S-parameter points, the frequency-response locus or the marks</translation>
    </message>
    <message>
        <source>清除稳定圆</source>
        <translation>Clear stability circles</translation>
    </message>
    <message>
        <source>清除增益圆和噪声圆</source>
        <translation>Clear gain and noise circles</translation>
    </message>
    <message>
        <source>清除S参数点</source>
        <translation>Clear S-parameter points</translation>
    </message>
    <message>
        <source>清除频率响应轨迹</source>
        <translation>Clear frequency-response locus</translation>
    </message>
    <message>
        <source>清除标注点</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source>匹配电路已重新开始</source>
        <translation>The matching network was restarted</translation>
    </message>
    <message>
        <source>去掉了</source>
        <translation>removed </translation>
    </message>
    <message>
        <source>个元件</source>
        <translation> element(s)</translation>
    </message>
    <message>
        <source>可撤销</source>
        <translation>undo brings them back</translation>
    </message>
    <message>
        <source>导出Touchstone...</source>
        <translation>Export Touchstone...</translation>
    </message>
    <message>
        <source>扫描结果导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）</source>
        <translation>Export the sweep as a Touchstone file (.s1p input reflection, .s2p matching network)</translation>
    </message>
    <message>
        <source>导出图...</source>
        <translation>Export plot...</translation>
    </message>
    <message>
        <source>频率响应图导出为PNG、SVG、PDF，或数据导出为CSV</source>
        <translation>Export the plot as PNG, SVG or PDF, or its numbers as CSV</translation>
    </message>
    <message>
        <source>请先扫描</source>
        <translation>Sweep first</translation>
    </message>
    <message>
        <source>导出Touchstone</source>
        <translation>Export Touchstone</translation>
    </message>
    <message>
        <source>导出频率响应图</source>
        <translation>Export the frequency response</translation>
    </message>
    <message>
        <source>Touchstone (*.s1p *.s2p);;所有文件 (*)</source>
        <translation>Touchstone (*.s1p *.s2p);;All files (*)</translation>
    </message>
    <message>
        <source>PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;CSV (*.csv);;所有文件 (*)</source>
        <translation>PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>打印圆图</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>打印圆图（先预览）</source>
        <translation>Print the chart (with a preview)</translation>
    </message>
</context>
</TS>

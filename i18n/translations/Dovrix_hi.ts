<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>फ़ाइल मौजूद नहीं है या उस तक पहुँचा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>फ़ाइल क्षतिग्रस्त हो सकती है या यह मान्य PDF नहीं है।</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>दस्तावेज़ एन्क्रिप्टेड है।</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>यह PDF एन्क्रिप्शन विधि अभी समर्थित नहीं है।</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>दस्तावेज़ खोलते समय समस्या हुई।</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>पृष्ठ %1 रेंडर नहीं हो सका, निर्यात रोक दिया गया।</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>आउटपुट फ़ाइल नहीं बनाई जा सकी: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ पाठ से जुड़ा, पुनर्व्यवस्था के बाद फिर से स्थित किया जा सकता है</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ आयत पर आधारित: पुनर्व्यवस्था के बाद स्थिति खिसक सकती है</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>हाइलाइट</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>रेखांकन</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>काट-रेखा</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>नोट</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>आयत</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>तीर</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>एनोटेशन हटाएँ</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>नोट का पाठ (वैकल्पिक, अन्य प्रकारों में भी जोड़ा जा सकता है)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>क्या यह एनोटेशन हटाना है?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>एनोटेशन मोड चालू: एनोटेशन बनाने के लिए पाठ पर खींचें या बॉक्स बनाएँ, मौजूदा एनोटेशन बदलने के लिए उस पर क्लिक करें</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>एनोटेशन सहेजे गए</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>एनोटेशन स्थानीय sidecar फ़ाइल (.dovrixmark) में सहेजे जाते हैं,
Adobe या अन्य रीडर में स्रोत फ़ाइल खोलने पर ये नहीं दिखते।

Dovrix स्रोत PDF को कभी नहीं बदलता।</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>एनोटेशन केवल स्थानीय .dovrixmark फ़ाइल में सहेजे जाते हैं; Adobe या अन्य रीडर में स्रोत फ़ाइल खोलने पर ये नहीं दिखते।</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · पृष्ठ %2 · रंग %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>अभी कोई एनोटेशन नहीं है। एनोटेशन मोड चालू करें और बनाने के लिए पाठ पर खींचें।</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>मेरी टिप्पणियाँ</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>दस्तावेज़ में (%1, केवल पढ़ने हेतु)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>मेरे नोट्स में कॉपी करें</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>इस प्रकार की टिप्पणियाँ मेरे नोट्स में कॉपी नहीं की जा सकतीं।</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>यह टिप्पणी पूरी तरह पढ़ी नहीं जा सकी। यह टिप्पणी फ़ाइल में जैसी थी वैसी रखी गई है और संपादित नहीं की जा सकती।</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>अपठनीय टिप्पणी</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>फ़ाइल बहुत बड़ी है</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>एनोटेशन फ़ाइल मौजूद है, पर पढ़ी नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>वर्तमान फ़ोल्डर में लिखा नहीं जा सकता। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>निर्यात पथ स्रोत फ़ाइल के समान है। «स्रोत फ़ाइल में कभी न लिखें» नियम के कारण निर्यात रोक दिया गया।</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>निर्यात पथ एनोटेशन फ़ाइल के समान है, निर्यात रोक दिया गया।</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix एनोटेशन सारांश (कुल: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— पृष्ठ %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>पाठ से जुड़ा </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(स्थिति p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>नोट: एनोटेशन केवल स्थानीय sidecar फ़ाइल में सहेजे जाते हैं; Adobe या अन्य रीडर में स्रोत फ़ाइल खोलने पर ये नहीं दिखते।
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>एनोटेशन फ़ाइल स्वयं स्रोत फ़ाइल है, इसलिए उसमें लिखा नहीं जाएगा। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>एनोटेशन फ़ाइल की जगह पर एक फ़ोल्डर है। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>न पढ़ी जा सकने वाली एनोटेशन फ़ाइल का बैकअप नहीं बन सका, इसलिए उसे अधिलेखित होने से बचाने के लिए सहेजना रोका गया। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>एनोटेशन सहेजना विफल: %1। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>फ़ाइल के नाम में ऐसे वर्ण हैं जिन्हें पहचाना नहीं जा सकता, इसलिए उसके पास एनोटेशन फ़ाइल सहेजी नहीं जा सकती। एनोटेशन अस्थायी रूप से मेमोरी में रहेंगे; बंद करने से पहले निर्यात करें।</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>यह टिप्पणी फ़ाइल Dovrix के नए संस्करण ने लिखी है। यह केवल पढ़ने के लिए खुली है: परिवर्तन सहेजे नहीं जाते।</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>नाम बदलें</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>अभी कोई बुकमार्क नहीं है। वर्तमान स्थान को बुकमार्क करने के लिए Ctrl+D दबाएँ।</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>इस दस्तावेज़ में कोई अंतर्निहित विषय-सूची (अध्याय/बुकमार्क) नहीं है।
पढ़ने की प्रगति फिर भी अपने-आप याद रखी जाती है।</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>टेक्स्ट बॉक्स</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>लहरदार रेखा</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>रेखा</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>दीर्घवृत्त</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>हस्त रेखांकन</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>बहुभुज</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>बहुरेखा</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>मुहर</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>प्रविष्टि चिह्न</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>फ़ाइल संलग्नक</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>फ़ाइल खुलने में बहुत अधिक समय लगा।</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 बाइट)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>मिश्रित (%1 आकार)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>एक प्रति सहेजें…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>दस्तावेज़ गुण — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>सब कॉपी करें</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>फ़ॉन्ट</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>एम्बेडेड</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>संलग्नक केवल प्रतियों के रूप में सहेजे जाते हैं; Dovrix उन्हें कभी नहीं खोलता या चलाता।</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>संलग्नक</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>शीर्षक</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>लेखक</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>विषय</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>कीवर्ड</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>निर्माता</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF निर्माता</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>निर्मित</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>संशोधित</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF संस्करण</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>पृष्ठ आकार</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>फ़ाइल आकार</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>एन्क्रिप्शन</translation>
    </message>
    <message>
        <source>无</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>प्रिंट</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>टेक्स्ट कॉपी</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>परिवर्तन</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>फ़ॉर्म भरना</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>घोषित अनुमतियाँ</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>अनुमत: %1
अनुमति नहीं: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>टैग किया गया</translation>
    </message>
    <message>
        <source>是</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>否</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>स्क्रिप्ट</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>दस्तावेज़ में JavaScript है; Dovrix इसे नहीं चलाता।</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>संलग्नक (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>संलग्नक की प्रति सहेजें</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>संलग्नक क्षतिग्रस्त है और पढ़ा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>प्रति सहेजी गई:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>संलग्नक सहेजा नहीं जा सका: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>नया दस्तावेज़</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>प्रिंट</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>निर्यात पूरा हुआ</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>यहाँ निर्यात किया गया:
%1

स्रोत फ़ाइल में कोई बदलाव नहीं हुआ।</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>वर्तमान पृष्ठ को PNG के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG छवियाँ (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>निर्यात विफल</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>पृष्ठ रेंडर नहीं हो सका, कृपया फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>पूरा पाठ निर्यात करें (पढ़ने के क्रम में)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>टेक्स्ट फ़ाइलें (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>एनोटेशन सारांश</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>वर्तमान दस्तावेज़ में कोई एनोटेशन नहीं है।</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>एनोटेशन सारांश निर्यात करें</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>एनोटेशन सहित PDF निर्यात करें</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>एनोटेशन सहित PDF निर्यात हो रहा है…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>यहाँ निर्यात किया गया:
%1

स्रोत फ़ाइल में कोई बदलाव नहीं हुआ। एनोटेशन प्रति में जोड़ दिए गए हैं, Adobe/WPS/ब्राउज़र में खोलने पर दिखेंगे।
(प्रति पृष्ठ-दर-पृष्ठ रेंडर की गई समतल PDF है: दिखावट वही है, पर पाठ अब चुना नहीं जा सकता)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>प्रिंट हो रहा है…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 पृष्ठ प्रिंटर को भेजे गए।</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>पृष्ठ रेंडर नहीं हो सका, प्रिंट रोक दिया गया।</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>प्रिंट कार्य शुरू नहीं हो सका।</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>पाठ पढ़ने के क्रम में निर्यात हो रहा है…
पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>समतल प्रति (चित्र) निर्यात करें</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>PDF फ़ाइल में प्रिंट करें</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>टिप्पणियाँ और आकार</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>टिप्पणियों सहित</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>कागज़ पर फ़िट करें</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>वास्तविक आकार</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>यहाँ निर्यात किया गया:
%1

स्रोत फ़ाइल नहीं बदली गई। टिप्पणियाँ प्रति में मानक PDF टिप्पणियों के रूप में हैं, जो दूसरे रीडरों में भी दिखती हैं; पाठ, लिंक और विषय-सूची बनी रहती है।</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>प्रिंट सेवा ने कार्य स्वीकार नहीं किया: %1
कुछ भी नहीं खोया; फिर से कोशिश करें या फ़ाइल में प्रिंट करें।</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>स्रोत फ़ाइल पढ़ी नहीं जा सकती: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>%1 लिखा नहीं जा सकता:
%2

कोई अधूरी फ़ाइल नहीं छूटी; स्रोत फ़ाइल नहीं बदली गई।</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>कोई प्रिंट सेवा (CUPS) नहीं मिली।
क्या इसके बजाय दस्तावेज़ को PDF फ़ाइल में प्रिंट करें?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>हस्ताक्षर फ़ील्ड (केवल प्रदर्शन)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>इस फ़ॉर्म की स्क्रिप्ट नहीं चलतीं: जिन फ़ील्ड की गणना या स्वरूपण दस्तावेज़ करता, उनमें आपका लिखा ही रहता है।</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>हस्ताक्षर फ़ील्ड केवल दिखाए जाते हैं; Dovrix दस्तावेज़ों पर हस्ताक्षर नहीं करता।</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>पीछे (दृश्य इतिहास)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>आगे (दृश्य इतिहास)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF खोलें (हर दस्तावेज़ के लिए एक टैब)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>प्रिंट</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>प्रिंट (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>निर्यात</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>नई फ़ाइल में निर्यात करें (स्रोत फ़ाइल नहीं बदलेगी)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>वर्तमान पृष्ठ छवि के रूप में (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>पूरा पाठ (TXT, पढ़ने के क्रम में)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>एनोटेशन सारांश (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>एनोटेशन सहित PDF (प्रति)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>वर्तमान एनोटेशन को एक नई PDF में जोड़ता है, जो Adobe/WPS में दिखती है; स्रोत फ़ाइल अपरिवर्तित रहती है</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>एनोटेशन</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>एनोटेशन मोड (A): हाइलाइट / रेखांकन / काट-रेखा / नोट / आयत / तीर</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90° घुमाएँ</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>अस्थायी रूप से 90° घुमाएँ (केवल इस बार देखने के लिए)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>दस्तावेज़ में खोजें · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>थीम</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>गहरा</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>आधी रात</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>उच्च कंट्रास्ट</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>इंटरफ़ेस की भाषा बदलें</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>होमपेज</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Dovrix का होमपेज खोलें</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>पढ़ना शुरू करने के लिए PDF खोलें। Dovrix केवल-पढ़ने वाला व्यूअर है, यह स्रोत फ़ाइल नहीं बदलता।
एक साथ कई दस्तावेज़ (टैब में) खोले जा सकते हैं।</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF खोलें…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>हाल की फ़ाइलें</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>हाल की सूची साफ़ करें</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>स्रोत फ़ाइल बाहर से बदली गई है। नवीनतम सामग्री देखने के लिए फिर से लोड करें।</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>फिर से लोड करें</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — बिजली जैसा तेज़ रीडर</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>चौड़ाई में फ़िट</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>एक पृष्ठ / लगातार स्क्रॉल के बीच बदलें</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;खोलें…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>दस्तावेज़ बंद करें</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>अगला टैब</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;प्रिंट…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>निजी मोड</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>अगला खोज परिणाम</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>पिछला खोज परिणाम</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>चुना गया पाठ कॉपी करें</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>एकल पृष्ठ मोड</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>अस्थायी रूप से 90° घुमाएँ</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>पृष्ठ में फ़िट</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>वास्तविक आकार (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>एनोटेशन मोड</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF खोलें</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF दस्तावेज़ (*.pdf);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>खोला नहीं जा सका</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>फ़ाइल मौजूद नहीं है या उस तक पहुँचा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● एनोटेशन वर्तमान दस्तावेज़ की सामग्री से मेल नहीं खाते, आयत से जुड़े एनोटेशन खिसक सकते हैं</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>थंबनेल</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>विषय-सूची</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>खोज</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>दस्तावेज़</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>दस्तावेज़ खुल रहा है…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>पासवर्ड गलत है, फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>यह दस्तावेज़ एन्क्रिप्टेड है</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>खोलने का पासवर्ड दर्ज करें (Dovrix सुरक्षा तोड़ने या अनुमतियाँ हटाने का समर्थन नहीं करता):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● स्रोत फ़ाइल बाहर से बदली गई</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● केवल-पढ़ने योग्य: स्रोत फ़ाइल का हैश अपरिवर्तित</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix स्रोत फ़ाइल में बदलाव नहीं करता।</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● निजी मोड: चालू</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>निजी मोड: बंद</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>निजी मोड: हाल की फ़ाइलें और थंबनेल कैश नहीं लिखे जाते</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— पृष्ठ %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(यह पृष्ठ स्कैन की गई छवि है, इसमें पाठ परत नहीं है)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(इस पृष्ठ का कुछ पाठ अविश्वसनीय हो सकता है)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>हाइलाइट (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>रेखांकन (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>काट-रेखा (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>नोट (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>आयत (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>तीर (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>पृष्ठ पर जाएँ…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>पृष्ठ संख्या या पृष्ठ लेबल लिखें और Enter दबाएँ (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>ऑफ़लाइन OCR चल रहा है…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>ऑफ़लाइन OCR चल रहा है: %1/%2 पृष्ठ पूरे, लगभग %3 से. शेष…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(आगे OCR से पहचाना गया पाठ है)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>पूर्ण स्क्रीन · बाहर निकलने के लिए F11 या Esc</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>पृष्ठ रंग बदलें</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>पूर्ण स्क्रीन</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>दो-पृष्ठ दृश्य</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>पहला पृष्ठ अकेले</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>दो पृष्ठ</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>दो पृष्ठ साथ-साथ (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>पृष्ठ रंग</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>पृष्ठ रंग (Ctrl+Alt+N): रात्रि मोड हल्का और गहरा उलटता है, रंगत बनी रहती है</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>रात्रि</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>सीपिया</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>थीम के अनुसार</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>फ़ाइल के नाम में ऐसे वर्ण हैं जिन्हें पहचाना नहीं जा सकता, इसलिए प्रोग्राम फ़ाइल नहीं पढ़ सकता। फ़ाइल का नाम बदलकर उसे फिर से खोलें।</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>समतल प्रति (चित्र)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>मेरी टिप्पणियों सहित PNG</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>दस्तावेज़ गुण…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>फ़ॉर्म रीसेट करें</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>बुकमार्क</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>कोई वेब ब्राउज़र पृष्ठ नहीं खोल सका। Dovrix मुखपृष्ठ: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>पाठ पहचानें (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>यह पृष्ठ</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>बिना पाठ वाले सभी पृष्ठ</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>दस्तावेज़ खोलने के बाद यहाँ दिखेंगे
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>ज़ूम %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR रद्द किया गया</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR पूरा: %1 पृष्ठ</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>पृष्ठ %1 का OCR विफल: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR उपलब्ध नहीं है</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>बिना पाठ वाले पृष्ठ खोजे जा रहे हैं…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>हर पृष्ठ में पाठ है; पहचानने को कुछ नहीं</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>इस पृष्ठ में पाठ परत नहीं है · %1 इसका पाठ पहचानता है</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>पृष्ठ %1 का OCR पूरा: पाठ की %2 पंक्तियाँ पहचानी गईं</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>पृष्ठ रेंडर नहीं हो सका</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR इंजन आरंभ नहीं हो सका</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR इंजन उपलब्ध नहीं है</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR आरंभ नहीं हो सका: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>पहचान (डिटेक्शन) मॉडल नहीं मिला: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>पहचान (रिकग्निशन) मॉडल नहीं मिला: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>रिकग्निशन मॉडल में अंतर्निहित शब्दकोश (character मेटाडेटा) नहीं है।</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll में OrtGetApiBase एक्सपोर्ट नहीं है।</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API संस्करण मेल नहीं खाता (OrtApi v%1 आवश्यक है)।</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>onnxruntime.dll लोड नहीं हो सका, OCR उपलब्ध नहीं है। आज़माए गए: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>अस्थायी रूप से %1° घुमाया गया (केवल इस बार देखने के लिए)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>कोई वाक् संश्लेषक स्थापित नहीं है (जैसे Qt Speech का flite प्लगइन)।</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>वाक् संश्लेषक का उपयोग नहीं हो सकता: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>कोई परिणाम नहीं मिला। यदि यह दस्तावेज़ स्कैन की गई छवि है (पाठ परत नहीं है), तो OCR के बाद खोज और कॉपी कर सकते हैं।</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>इस दस्तावेज़ का OCR करें…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>खोजने के लिए कीवर्ड लिखें (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: कोई परिणाम नहीं</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>“%1” खोजा जा रहा है…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: कोई परिणाम नहीं।</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR पाठ)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(पाठ अभी लोड नहीं हुआ)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>पृष्ठ %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n परिणाम</numerusform>
            <numerusform>“%1”: %n परिणाम</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>“%1” खोजा जा रहा है… %3 में से %2 पृष्ठ खोजे गए, अब तक %n परिणाम</numerusform>
            <numerusform>“%1” खोजा जा रहा है… %3 में से %2 पृष्ठ खोजे गए, अब तक %n परिणाम</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>चल रही Dovrix विंडो एक बार में अधिकतम %1 फ़ाइलें लेती है; कोई फ़ाइल नहीं खोली गई।</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — केवल पढ़ने वाला PDF व्यूअर: ऑफ़लाइन, बिना टेलीमेट्री, स्रोत फ़ाइल कभी नहीं बदलता।</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>खोलने के लिए PDF फ़ाइल।</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>दस्तावेज़ खुलते ही इस पृष्ठ का पाठ पहचानें (डीबग और स्वचालित रन के लिए)।</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>इस पृष्ठ पर खोलें: 1 से गिनी पृष्ठ संख्या या दस्तावेज़ का अपना पृष्ठ लेबल (जैसे iv)।</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>खुलने के बाद यह पाठ खोजें और पहले परिणाम पर जाएँ।</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX आगे की खोज: जहाँ TeX स्रोत की यह पंक्ति टाइपसेट हुई वहाँ स्क्रॉल करें और उसे कुछ पल चिह्नित करें।</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>PDF फ़ाइलें खोलने वाला इंजन: mupdf (डिफ़ॉल्ट) या qtpdf (तुलना और बग रिपोर्ट के लिए)।</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>धीमी</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>快</source>
        <translation>तेज़</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>ज़ोर से पढ़ना पूरा हुआ</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>उपकरण</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>बुकमार्क, ज़ोर से पढ़ना और SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>बुकमार्क</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>बुकमार्क जोड़ें</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>बुकमार्क का नाम बदलें</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>बुकमार्क हटाएँ</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>ज़ोर से पढ़ें</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>इस पृष्ठ से ज़ोर से पढ़ें</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>पढ़ना रोकें</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>आवाज़</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>व्युत्क्रम खोज के लिए संपादक आदेश…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>व्युत्क्रम खोज के लिए कोई संपादक आदेश सेट नहीं है (उपकरण → व्युत्क्रम खोज के लिए संपादक आदेश…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>SyncTeX डेटा में %1 की पंक्ति %2 का स्थान नहीं है</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>इस दस्तावेज़ के पास कोई SyncTeX फ़ाइल (.synctex.gz या .synctex) नहीं है</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>SyncTeX फ़ाइल क्षतिग्रस्त है और पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>SyncTeX फ़ाइल इस PDF के किसी दूसरे बिल्ड की है; फिर से कंपाइल करें</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>इस स्थान से मेल खाता कोई स्रोत स्थान नहीं है</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>संपादक शुरू नहीं हो सका: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>संपादक में %1 की पंक्ति %2 खोली गई</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>व्युत्क्रम खोज के लिए संपादक आदेश</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>पृष्ठ पर Ctrl+क्लिक करने पर चलने वाला आदेश (%f फ़ाइल, %l पंक्ति, %c स्तंभ), उदाहरण: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>पृष्ठ %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>बुकमार्क “%1” जोड़ा गया</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>बुकमार्क का नाम:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>पढ़ना जारी रखें</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>पढ़ना रोकें (विराम)</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>SyncTeX फ़ाइल खोलने पर %1 MB से बड़ी होती है; इसे बिना पढ़े अस्वीकार किया गया</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>SyncTeX फ़ाइल ने पढ़ने वाले प्रोग्राम को क्रैश कर दिया या उसकी मेमोरी ख़त्म कर दी; इसे अस्वीकार किया गया</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>SyncTeX फ़ाइल पढ़ने में बहुत समय लगा; इसे अस्वीकार किया गया</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>SyncTeX फ़ाइल में स्रोत फ़ाइल के नाम में पंक्ति विराम या NUL वर्ण है; इसे संपादक को नहीं दिया गया</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>कुछ अक्षर मैप नहीं हो सके (शायद ToUnicode तालिका नहीं है)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>शब्दों के बीच की दूरी ज्यामिति से अनुमानित है, पाठ टूटा हुआ हो सकता है</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>शीर्षलेख/पादलेख क्षेत्र</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 अक्षर कॉपी किए गए</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>चौड़ाई में फ़िट</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>लगातार</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>एकल पृष्ठ</translation>
    </message>
</context>
</TS>

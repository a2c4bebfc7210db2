<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>الملف غير موجود أو يتعذر الوصول إليه.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>قد يكون الملف تالفًا أو ليس ملف PDF صالحًا.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>المستند مشفّر.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>طريقة تشفير PDF هذه غير مدعومة حاليًا.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>حدثت مشكلة أثناء فتح المستند.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>تعذّر عرض الصفحة %1، وأُلغي التصدير.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>تعذّر إنشاء ملف الإخراج: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ مرتبط بالنص، ويمكن إعادة تحديد موضعه بعد إعادة التدفق</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ مرتبط بمستطيل: قد ينزاح الموضع بعد إعادة التدفق</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>شطب</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>حذف التعليق</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>نص الملاحظة (اختياري، ويمكن إضافته للأنواع الأخرى أيضًا)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>هل تريد حذف هذا التعليق؟</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>وضع التعليقات مفعّل: اسحب فوق النص أو ارسم إطارًا لإنشاء تعليق، وانقر على تعليق موجود لتحريره</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>حُفظت التعليقات</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>تُحفظ التعليقات في ملف مرافق (sidecar) محلي (‎.dovrixmark)،
ولا تظهر عند فتح الملف المصدر في Adobe أو غيره من القارئات.

لا يعدّل Dovrix ملف PDF المصدر أبدًا.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>تُحفظ التعليقات في ملف ‎.dovrixmark محلي فقط، ولا تظهر عند فتح الملف المصدر في Adobe أو غيره من القارئات.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · الصفحة %2 · اللون %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>لا توجد تعليقات بعد. فعّل وضع التعليقات واسحب فوق النص لإنشاء تعليق.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>تعليقاتي</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>في المستند (%1، للقراءة فقط)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>نسخ إلى ملاحظاتي</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>لا يمكن نسخ تعليقات من هذا النوع إلى ملاحظاتي.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>تعذّرت قراءة هذا التعليق كاملًا. يُحتفظ به كما هو في ملف التعليقات ولا يمكن تحريره.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>تعليق غير قابل للقراءة</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>الملف كبير جدًا</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>ملف التعليقات موجود لكن تعذّرت قراءته: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>المجلد الحالي غير قابل للكتابة. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>مسار التصدير هو نفسه الملف المصدر. أُلغيت العملية التزامًا بقاعدة «عدم الكتابة على الملف المصدر أبدًا».</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>مسار التصدير هو نفسه ملف التعليقات، وأُلغيت العملية.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>ملخص تعليقات Dovrix (المجموع: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— الصفحة %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>مرتبط بالنص </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(الموضع p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>ملاحظة: تُحفظ التعليقات في ملف مرافق (sidecar) محلي فقط، ولا تظهر عند فتح الملف المصدر في Adobe أو غيره من القارئات.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>ملف التعليقات هو الملف المصدر نفسه ولن تتم الكتابة إليه. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>يوجد مجلد في مكان ملف التعليقات. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>تعذر نسخ ملف التعليقات غير المقروء احتياطيًا، لذا توقف الحفظ لتجنب الكتابة فوقه. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>فشل حفظ التعليقات: %1. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>يحتوي اسم الملف على أحرف لا يمكن التعرّف عليها، لذا لا يمكن حفظ ملف التعليقات بجانبه. ستبقى التعليقات في الذاكرة مؤقتًا، فصدّرها قبل الإغلاق.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>كُتب ملف التعليقات هذا بإصدار أحدث من Dovrix. فُتح للقراءة فقط: لن تُحفظ التغييرات.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>إعادة التسمية</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>لا توجد إشارات مرجعية بعد. اضغط Ctrl+D لوضع إشارة على الموضع الحالي.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>لا يحتوي هذا المستند على جدول محتويات مضمّن (فصول/إشارات مرجعية).
سيظل تقدّم القراءة محفوظًا تلقائيًا.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>مربع نص</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>خط متموج</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>خط</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>شكل بيضاوي</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>رسم يدوي</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>مضلع</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>خط متعدد</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>ختم</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>علامة إدراج</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>ملف مرفق</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>استغرق فتح الملف وقتًا طويلًا جدًا.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 بايت)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>مختلطة (%1 أحجام)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>حفظ نسخة…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>خصائص المستند — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>نسخ الكل</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>كل الصفحات</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخطوط</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>مضمّن</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>تُحفظ المرفقات كنسخ فقط؛ لا يفتحها Dovrix ولا يشغّلها أبدًا.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>المرفقات</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>المؤلف</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>الموضوع</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>المنشئ</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>منتج PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>تاريخ الإنشاء</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>إصدار PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>حجم الصفحة</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>حجم الملف</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>التشفير</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>الطباعة</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>نسخ النص</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>التعديل</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>إضافة التعليقات</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>تعبئة النماذج</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>الأذونات المعلنة</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>مسموح: %1
غير مسموح: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>موسوم</translation>
    </message>
    <message>
        <source>是</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>否</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>البرامج النصية</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>يحتوي المستند على JavaScript؛ لا يشغّله Dovrix.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>المرفقات (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>حفظ نسخة من المرفق</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>المرفق تالف ولا يمكن قراءته.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>تم حفظ النسخة:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>تعذّر حفظ المرفق: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>مستند جديد</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>اكتمل التصدير</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>تم التصدير إلى:
%1

لم يُعدَّل الملف المصدر.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>تصدير الصفحة الحالية بتنسيق PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>صور PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>فشل التصدير</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>تعذّر عرض الصفحة، يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>تصدير النص الكامل (بترتيب القراءة)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>ملفات نصية (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>ملخص التعليقات</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>لا توجد تعليقات في المستند الحالي.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>تصدير ملخص التعليقات</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>تصدير PDF مع التعليقات</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>جارٍ تصدير PDF مع التعليقات…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>تم التصدير إلى:
%1

لم يُعدَّل الملف المصدر. التعليقات مضمّنة في النسخة وتظهر عند فتحها في Adobe/WPS/المتصفح.
(النسخة ملف PDF مسطّح مُعاد عرضه صفحةً صفحة: المظهر نفسه، لكن لا يمكن تحديد النص بعد الآن)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>جارٍ الطباعة…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>عدد الصفحات المرسلة إلى الطابعة: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>تعذّر عرض صفحة، وأُلغيت الطباعة.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>تعذّر بدء مهمة الطباعة.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>جارٍ تصدير النص بترتيب القراءة…
الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>تصدير نسخة مسطّحة (صور)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>الطباعة إلى ملف PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>التعليقات والتحجيم</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>مع التعليقات</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>ملاءمة الورقة</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>الحجم الفعلي</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>تم التصدير إلى:
%1

لم يُعدَّل الملف المصدر. التعليقات موجودة في النسخة كتعليقات PDF قياسية تظهر في القارئات الأخرى أيضًا؛ ويُحتفظ بالنص والروابط والفهرس.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>لم تقبل خدمة الطباعة المهمة: %1
لم يُفقد شيء؛ حاول مرة أخرى أو اطبع إلى ملف.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>تعذّرت قراءة الملف المصدر: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>تعذّرت كتابة %1:
%2

لم يبقَ أي ملف ناقص؛ ولم يُعدَّل الملف المصدر.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>لم يُعثر على خدمة طباعة (CUPS).
هل تريد طباعة المستند إلى ملف PDF بدلًا من ذلك؟</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>حقل توقيع (للعرض فقط)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>لا تُشغَّل البرامج النصية لهذا النموذج: تحتفظ الحقول التي كان المستند سيحسبها أو ينسّقها بما كتبته.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>حقول التوقيع للعرض فقط؛ لا يوقّع Dovrix المستندات.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>الشريط الجانبي</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>رجوع (سجل العرض)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>تقدّم (سجل العرض)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>فتح PDF (علامة تبويب لكل مستند)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>طباعة (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>تصدير إلى ملف جديد (دون تعديل الملف المصدر)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>الصفحة الحالية كصورة (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>النص الكامل (TXT، بترتيب القراءة)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>ملخص التعليقات (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF مع التعليقات (نسخة)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>يضمّن التعليقات الحالية في ملف PDF جديد يظهر في Adobe/WPS؛ ويبقى الملف المصدر دون تغيير</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>التعليقات</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>وضع التعليقات (A): تمييز / تسطير / شطب / ملاحظة / مستطيل / سهم</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>تدوير 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>تدوير مؤقت بمقدار 90° (لهذا العرض فقط)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>البحث في المستند · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>ورقي</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>تباين عالٍ</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>تغيير لغة الواجهة</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>فتح موقع Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>افتح ملف PDF لبدء القراءة. Dovrix عارض للقراءة فقط ولا يعدّل الملف المصدر.
يمكن فتح عدة مستندات في الوقت نفسه (في علامات تبويب).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>فتح PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>مسح القائمة الأخيرة</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>عُدِّل الملف المصدر من خارج البرنامج. أعد التحميل لعرض أحدث محتوى.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — قارئ بسرعة البرق</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>التبديل بين صفحة واحدة / تمرير متواصل</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;فتح…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>إغلاق المستند</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>علامة التبويب التالية</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>الوضع الخاص</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>نتيجة البحث التالية</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>نتيجة البحث السابقة</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>نسخ النص المحدد</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>وضع الصفحة الواحدة</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>تدوير مؤقت بمقدار 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>ملاءمة الصفحة</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>الحجم الفعلي (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>وضع التعليقات</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>فتح PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>مستندات PDF (*.pdf);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>تعذّر الفتح</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>الملف غير موجود أو يتعذر الوصول إليه.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● التعليقات لا تطابق محتوى المستند الحالي، وقد تنزاح المرتبطة بمستطيلات</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>الصور المصغرة</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>المستند</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>جارٍ فتح المستند…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>كلمة المرور غير صحيحة، حاول مرة أخرى</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>هذا المستند مشفّر</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>أدخل كلمة مرور الفتح (لا يدعم Dovrix كسر الحماية أو إزالة الأذونات):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● عُدِّل الملف المصدر من الخارج</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● للقراءة فقط: بصمة الملف المصدر لم تتغير</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
لا يعدّل Dovrix الملف المصدر.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● الوضع الخاص: مفعّل</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>الوضع الخاص: معطّل</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>الوضع الخاص: لا تُسجَّل الملفات الأخيرة ولا ذاكرة الصور المصغرة المؤقتة</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— الصفحة %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(هذه الصفحة صورة ممسوحة ضوئيًا بلا طبقة نص)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(قد يكون بعض النص في هذه الصفحة غير موثوق)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>تمييز (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>تسطير (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>شطب (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>ملاحظة (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>مستطيل (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>سهم (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>الانتقال إلى صفحة…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>اكتب رقم الصفحة أو تسميتها ثم اضغط Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>جارٍ التعرف الضوئي دون اتصال…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>جارٍ التعرف الضوئي دون اتصال: اكتملت %1/%2 صفحة، يتبقى نحو %3 ث…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(يلي ذلك نص تم التعرف عليه ضوئيًا)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>ملء الشاشة · F11 أو Esc للخروج</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>تبديل ألوان الصفحة</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>عرض صفحتين</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>الصفحة الأولى وحدها</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>صفحتان</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>صفحتان جنبًا إلى جنب (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>ألوان الصفحة</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>ألوان الصفحة (Ctrl+Alt+N): الوضع الليلي يعكس الفاتح والداكن ويحافظ على الألوان</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>ليلي</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>بني داكن</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>اتباع السمة</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>يحتوي اسم الملف على أحرف لا يمكن التعرّف عليها، لذا لا يستطيع البرنامج قراءة الملف. أعد تسمية الملف ثم افتحه مرة أخرى.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>نسخة مسطّحة (صور)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG مع تعليقاتي</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>خصائص المستند…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>إعادة تعيين النموذج</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>الإشارات المرجعية</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>لا يوجد متصفح ويب يستطيع فتح الصفحة. الصفحة الرئيسية لـ Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>التعرّف على النص (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>هذه الصفحة</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>كل الصفحات التي لا نص فيها</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>بعد فتح مستند، يظهر هنا
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>التكبير %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>أُلغي OCR</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>اكتمل OCR، عدد الصفحات: %1</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>فشل OCR للصفحة %1: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR غير متاح</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>جارٍ البحث عن الصفحات التي لا نص فيها…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>في كل صفحة نص؛ لا شيء للتعرّف عليه</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>لا توجد طبقة نص في هذه الصفحة · %1 يتعرّف على نصها</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>اكتمل OCR للصفحة %1، عدد الأسطر المتعرَّف عليها: %2</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>تعذّر عرض الصفحة</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>فشلت تهيئة محرك OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>محرك OCR غير متاح</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>فشلت تهيئة OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>لم يُعثر على نموذج الكشف: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>لم يُعثر على نموذج التعرّف: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>نموذج التعرّف يفتقد القاموس المضمّن (بيانات character الوصفية).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>لا يصدّر onnxruntime.dll الدالة OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>إصدار واجهة onnxruntime غير متوافق (يلزم OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>تعذّر تحميل onnxruntime.dll، وOCR غير متاح. المسارات المجرّبة: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>مُدار مؤقتًا بمقدار %1° (لهذا العرض فقط)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>لا يوجد مُركِّب كلام مثبت (مثل إضافة flite لـ Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>تعذّر استخدام مُركِّب الكلام: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>لم يُعثر على نتائج. إذا كان المستند صورة ممسوحة ضوئيًا (بلا طبقة نص)، فيمكن البحث والنسخ بعد OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>تنفيذ OCR لهذا المستند…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>اكتب كلمة للبحث (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>«%1»: لا نتائج</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>جارٍ البحث عن «%1»…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>«%1»: لا نتائج.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(نص OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(لم يُحمَّل النص بعد)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>الصفحة %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>«%1»: لا نتائج</numerusform>
            <numerusform>«%1»: نتيجة واحدة</numerusform>
            <numerusform>«%1»: نتيجتان</numerusform>
            <numerusform>«%1»: %n نتائج</numerusform>
            <numerusform>«%1»: %n نتيجة</numerusform>
            <numerusform>«%1»: %n نتيجة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، ولا نتائج حتى الآن</numerusform>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، ونتيجة واحدة حتى الآن</numerusform>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، ونتيجتان حتى الآن</numerusform>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، و%n نتائج حتى الآن</numerusform>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، و%n نتيجة حتى الآن</numerusform>
            <numerusform>جارٍ البحث عن «%1»… تم البحث في %2 من %3 صفحة، و%n نتيجة حتى الآن</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>تقبل نافذة Dovrix العاملة %1 ملفًا كحد أقصى في المرة الواحدة؛ لم يُفتح أي ملف.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — عارض PDF للقراءة فقط: دون اتصال، بلا قياس عن بُعد، ولا يعدّل الملف الأصلي أبدًا.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>ملف PDF المراد فتحه.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>التعرّف على نص هذه الصفحة فور فتح المستند (للتنقيح والتشغيل الآلي).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>الفتح عند هذه الصفحة: رقم صفحة يبدأ من 1 أو تسمية الصفحة الخاصة بالمستند (مثل iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>البحث عن هذا النص بعد الفتح والانتقال إلى أول نتيجة.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>بحث SyncTeX الأمامي: التمرير إلى موضع تنضيد هذا السطر من مصدر TeX وتمييزه لحظات.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>المحرك الذي يفتح ملفات PDF: mupdf (الافتراضي) أو qtpdf (للمقارنة وتقارير الأخطاء).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>بطيء</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>快</source>
        <translation>سريع</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>انتهت القراءة بصوت عالٍ</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>الإشارات المرجعية والقراءة بصوت عالٍ و SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>الإشارات المرجعية</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>إضافة إشارة مرجعية</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>إعادة تسمية الإشارة المرجعية</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>حذف الإشارة المرجعية</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>القراءة بصوت عالٍ</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>القراءة بصوت عالٍ من هذه الصفحة</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>إيقاف القراءة</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>أمر المحرر للبحث العكسي…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>لم يُضبط أمر المحرر للبحث العكسي (أدوات ← أمر المحرر للبحث العكسي…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>لا تحتوي بيانات SyncTeX على موضع للسطر %2 من %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>لا يوجد ملف SyncTeX بجانب هذا المستند (.synctex.gz أو .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>ملف SyncTeX تالف ولا يمكن قراءته</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>ملف SyncTeX ناتج عن عملية بناء أخرى لهذا الملف PDF؛ أعد الترجمة</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>لا يوجد موضع في المصدر يقابل هذا المكان</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>تعذّر تشغيل المحرر: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>فُتح %1 عند السطر %2 في المحرر</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>أمر المحرر للبحث العكسي</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>الأمر الذي يُشغَّل عند Ctrl+نقر على صفحة (%f الملف، %l السطر، %c العمود)، مثلًا: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>أُضيفت الإشارة المرجعية &quot;%1&quot;</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>اسم الإشارة المرجعية:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>متابعة القراءة</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>إيقاف القراءة مؤقتًا</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>يتجاوز ملف SyncTeX بعد فك ضغطه %1 ميغابايت؛ رُفض دون قراءته</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>تسبّب ملف SyncTeX في تعطّل برنامج القراءة أو استنفاد ذاكرته؛ رُفض الملف</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>استغرقت قراءة ملف SyncTeX وقتًا طويلًا جدًا؛ رُفض الملف</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>يحتوي اسم الملف المصدر في ملف SyncTeX على فاصل أسطر أو محرف NUL؛ لم يُمرَّر إلى المحرر</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>توجد أحرف يتعذّر تعيينها (ربما يفتقد جدول ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>المسافات بين الكلمات مستنتجة من الهندسة، وقد يكون النص مجزّأً</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>منطقة الرأس/التذييل</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>عدد الأحرف المنسوخة: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>الأصلي</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>متواصل</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>صفحة واحدة</translation>
    </message>
</context>
</TS>

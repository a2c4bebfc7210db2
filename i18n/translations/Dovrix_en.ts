<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>The file does not exist or cannot be accessed.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>The file may be damaged or is not a valid PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>The document is encrypted.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>This PDF encryption method is not supported.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>A problem occurred while opening the document.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Page %1 could not be rendered; the export was stopped.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Cannot create the output file: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Anchored to text, can be relocated after reflow</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Rectangle fallback: the position may drift after reflow</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Delete annotation</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Note text (optional, any type can have a note)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Delete this annotation?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Annotation mode on: drag over text or draw a box to annotate, click an annotation to edit it</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Annotations saved</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Annotations are stored in a local sidecar file (.dovrixmark)
and are not visible when the source file is opened in other readers such as Adobe.

Dovrix never modifies the source PDF.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Annotations are stored only in a local .dovrixmark file; they are not visible when the source file is opened in other readers such as Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · page %2 · color %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>No annotations yet. Turn on annotation mode and drag over text to create one.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>My annotations</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>In the document (%1, read-only)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Copy to my notes</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Annotations of this kind cannot be copied to my notes.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>This annotation could not be read whole. It is kept in the annotation file as it was and cannot be edited.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>unreadable annotation</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>The annotation file exists but cannot be read: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>The folder is not writable. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>The export path is the source file. Stopped, because the source file is never written.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>The export path is the annotation file. Stopped.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix annotation summary (%1 in total)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Page %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Text anchor </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(position p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Note: annotations are stored only in a local sidecar file; they are not visible when the source file is opened in other readers such as Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>The annotation file is the source file itself and is not written. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>A folder is in the place of the annotation file. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>The unreadable annotation file cannot be backed up, so saving stopped to avoid overwriting it. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Saving annotations failed: %1. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>The file name contains characters that cannot be recognised, so no annotation file can be saved beside it. Annotations are kept in memory; export them before closing.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>This annotation file was written by a newer version of Dovrix. It is open read-only: changes are not saved.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>No bookmarks yet. Press Ctrl+D to bookmark the current place.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>This document has no built-in table of contents (chapters/bookmarks).
Your reading position is still remembered automatically.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Text box</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Squiggly underline</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Ink drawing</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Caret</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>File attachment</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>The file took too long to open.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Mixed (%1 sizes)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Save a copy…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Document properties — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>General</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>All pages</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Embedded</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Attachments are only saved as copies; Dovrix never opens or runs them.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Attachments</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Creator</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF producer</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF version</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Page size</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>printing</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>copying text</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>changes</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>annotating</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>filling forms</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Declared permissions</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Allowed: %1
Not allowed: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Tagged</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>The document contains JavaScript; Dovrix does not run it.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Attachments (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Save a copy of the attachment</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>The attachment is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Copy saved:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>The attachment could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>New document</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export complete</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Exported to:
%1

The source file was not modified.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Export current page as PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>The page could not be rendered. Please try again.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Export full text (reading order)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Annotation summary</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>This document has no annotations.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Export annotation summary</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Export PDF with annotations</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Exporting PDF with annotations…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Exported to:
%1

The source file was not modified. The annotations are embedded in the copy and show in Adobe, WPS or a browser.
(The copy is a flattened PDF rendered page by page: it looks the same, but its text can no longer be selected.)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Printing…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Sent %1 page(s) to the printer.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>A page could not be rendered; printing was stopped.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Cannot start the print job.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Exporting text in reading order…
Page %1 of %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Export a flattened copy (images)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Annotations and scaling</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>With annotations</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Fit to paper</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Exported to:
%1

The source file was not modified. The annotations are in the copy as standard PDF annotations that other readers show too; text, links and outline are kept.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>The print service did not take the job: %1
Nothing was lost; try again, or print to a file.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Cannot read the source file: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Cannot write %1:
%2

No incomplete file was left behind; the source file was not modified.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>No print service (CUPS) was found.
Print the document to a PDF file instead?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Signature field (shown only)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>This form&apos;s scripts do not run: fields the document would calculate or format keep what you typed.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Signature fields are shown only; Dovrix does not sign documents.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Sidebar</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Back (view history)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Forward (view history)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Open PDF (one tab per document)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Print (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Export to a new file (the source file is not modified)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Current page as image (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Full text (TXT, in reading order)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Annotation summary (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF with annotations (copy)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Embed the current annotations in a new PDF, visible in Adobe/WPS; the source file stays unchanged</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annotate</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Annotation mode (A): highlight / underline / strikethrough / note / rectangle / arrow</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Rotate 90° temporarily (this viewing only)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Search document · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Midnight</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Change interface language</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Open the Dovrix home page</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Open a PDF to start reading. Dovrix is a read-only viewer and never modifies the source file.
You can open several documents at once, each in its own tab.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Open PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Clear recent files</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>The source file was changed outside Dovrix. Reload to show the latest content.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix, a lightning-fast reader</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Switch between single page and continuous scrolling</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Close document</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Next tab</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Private mode</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Next search result</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Previous search result</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Copy selected text</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Single page mode</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Rotate 90° temporarily</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Fit page</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Actual size (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Annotation mode</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Open PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF documents (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Cannot open</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>The file does not exist or cannot be accessed.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● The annotations do not match this document&apos;s content; rectangle anchors may drift</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Opening document…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Wrong password, please try again</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>This document is encrypted</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Enter the password to open it (Dovrix cannot crack or remove permissions):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Source file changed externally</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Read-only: source file hash unchanged</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix never modifies the source file.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Private mode: on</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Private mode: off</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Private mode: no recent files or thumbnail cache are written</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Page %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(This page is a scanned image without a text layer)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Some text on this page may be unreliable)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Highlight (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Underline (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Strikethrough (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Note (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rectangle (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Arrow (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Go to page…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Type a page number or label and press Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Running offline OCR…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Running offline OCR: %1/%2 pages done, about %3 s left…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Recognised text (OCR) follows)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Full screen · F11 or Esc to leave</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Switch page colours</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Two-page spread</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>First page alone</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Two pages</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Two pages side by side (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Page colours</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Page colours (Ctrl+Alt+N): night inverts light and dark and keeps hues</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Follow the theme</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>The file name contains characters that cannot be recognised, so the program cannot read the file. Rename the file and open it again.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Flattened copy (images)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG with my annotations</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Document properties…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Reset form</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>No web browser could open the page. The Dovrix home page: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Recognise text (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>This page</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>All pages without text</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Open a document to see here
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR cancelled</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR finished: %1 page(s)</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR of page %1 failed: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR unavailable</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Looking for pages without text…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Every page has text; nothing to recognise</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>This page has no text layer · %1 recognises its text</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR of page %1 finished: %2 line(s) of text recognized</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Page rendering failed</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR engine initialization failed</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR engine unavailable</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR initialization failed: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Detection model not found: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Recognition model not found: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>The recognition model lacks its embedded dictionary (character metadata).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll lacks the OrtGetApiBase export.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API version mismatch (OrtApi v%1 required).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Cannot load onnxruntime.dll; OCR is unavailable. Tried:%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Rotated %1° temporarily (this viewing only)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>No speech synthesiser is installed (for example the flite plugin of Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>The speech synthesiser cannot be used: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>No results. If this document is a scanned image (no text layer), run OCR to search and copy its text.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR this document…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Type a keyword to search (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>No matches for “%1”</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Searching for “%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>No matches for “%1”.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR text)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(text not loaded yet)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Page %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n match</numerusform>
            <numerusform>“%1”: %n matches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Searching for “%1”… %2 of %3 pages searched, %n match so far</numerusform>
            <numerusform>Searching for “%1”… %2 of %3 pages searched, %n matches so far</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>The running Dovrix window accepts at most %1 files at once; no file was opened.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — a read-only PDF viewer: offline, no telemetry, never modifies the source file.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>The PDF file to open.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Recognise the text of this page once the document is open (for debugging and automated runs).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Open at this page: a page number counted from 1, or the document&apos;s own page label (such as iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Search for this text once the document is open and go to the first hit.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX forward search: scroll to where this line of the TeX source was typeset and mark it briefly.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>The engine that opens PDF files: mupdf (the default) or qtpdf (for comparisons and bug reports).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Finished reading aloud</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Bookmarks, read aloud and SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Add bookmark</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Rename bookmark</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Delete bookmark</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Read aloud from this page</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Stop reading</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Inverse search editor command…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>No editor command set for inverse search (Tools → Inverse search editor command…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>The SyncTeX data has no place for line %2 of %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>There is no SyncTeX file next to this document (.synctex.gz or .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>The SyncTeX file is damaged and cannot be read</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>The SyncTeX file comes from another build of this PDF; compile again</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>No source position corresponds to this place</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Cannot start the editor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>Opened %1 at line %2 in the editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Inverse search editor command</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Command run on Ctrl+click on a page (%f file, %l line, %c column), for example: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Bookmark “%1” added</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Bookmark name:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Resume reading</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Pause reading</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>The SyncTeX file unpacks to more than %1 MB; it was refused unread</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>The SyncTeX file crashed its reader or exhausted its memory; it was refused</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Reading the SyncTeX file took too long; it was refused</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>The source file name in the SyncTeX file contains a line break or NUL character; it was not passed to the editor</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Some characters cannot be mapped (the ToUnicode table may be missing)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Word spacing is inferred from geometry; the text may be broken up</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Header/footer area</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Copied %1 characters</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Single page</translation>
    </message>
</context>
</TS>

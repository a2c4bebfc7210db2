<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>檔案不存在或無法存取。</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>檔案可能已損毀或不是有效的 PDF。</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>文件已加密。</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>尚不支援此 PDF 加密方式。</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>開啟文件時發生問題。</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>第 %1 頁繪製失敗，匯出已中止。</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>無法建立輸出檔案：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ 文字錨定，重新排版後可重新定位</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ 矩形備援：重新排版後位置可能偏移</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>螢光標示</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>刪除線</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>便箋</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>刪除註解</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>便箋內容（選填，其他類型也可加註）</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>確定要刪除這則註解嗎？</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>註解模式已開啟：拖曳選取文字或拖曳出方框以建立註解，按一下現有註解即可編輯</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>註解已儲存</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>註解儲存在本機的 sidecar 檔案（.dovrixmark）中，
以 Adobe 等其他閱讀器開啟原始檔案時看不到。

Dovrix 始終不會修改原始 PDF。</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>註解僅儲存在本機的 .dovrixmark 檔案，以 Adobe 等其他閱讀器開啟原始檔案時看不到。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · 第 %2 頁 · 顏色 %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>尚無註解。開啟註解模式後拖曳選取文字即可建立。</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>我的註解</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>文件中的註解（%1，唯讀）</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>複製到我的註解</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>此類註解無法複製為我的註解。</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>此註解無法完整讀取，已原樣保留在註解檔中，無法編輯。</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>無法讀取的註解</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>檔案過大</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>註解檔案存在但無法讀取：%1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>目前資料夾無法寫入。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>匯出路徑與原始檔案相同。為守住「絕不寫入原始檔案」的原則，已中止。</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>匯出路徑與註解檔案相同，已中止。</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix 註解彙整（共 %1 則）

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— 第 %1 頁 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>文字錨定 </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(位置 p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>註：註解僅儲存在本機的 sidecar 檔案，以 Adobe 等其他閱讀器開啟原始檔案時看不到。
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>註解檔就是來源檔本身，不會寫入。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>註解檔的位置被一個資料夾佔用。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>無法備份讀不懂的註解檔，為免覆寫已停止儲存。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>註解儲存失敗：%1。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>檔案名稱含有無法辨識的字元，無法在旁邊儲存註解檔。註解將暫存於記憶體，關閉前請匯出。</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>此註解檔由較新版本的 Dovrix 寫入，已以唯讀方式開啟：變更不會儲存。</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>還沒有書籤。按 Ctrl+D 為目前位置加入書籤。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>此文件沒有內嵌目錄（章節/書籤）。
閱讀進度仍會依內容自動記憶。</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>文字方塊</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>波浪線</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>橢圓</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>手繪</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>多邊形</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>折線</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>圖章</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>插入符號</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>檔案附件</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>檔案開啟時間過長。</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1（%2 位元組）</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>大小不一（%1 種）</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>儲存副本…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>文件屬性 — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>全部複製</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>所有頁面</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>內嵌</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>附件只會另存為副本，Dovrix 不會開啟或執行它們。</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>主旨</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>建立程式</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF 產生器</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>修改時間</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF 版本</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>頁面大小</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>檔案大小</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>无</source>
        <translation>無</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>複製文字</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>填寫表單</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>宣告的權限</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>允許：%1
不允許：%2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>已加標籤</translation>
    </message>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>指令碼</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>文件含有 JavaScript，Dovrix 不會執行它。</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>附件（%1）</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>儲存附件副本</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>附件已損壞，無法讀取。</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>已儲存副本：
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>附件未能儲存：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>新文件</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>匯出完成</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>已匯出至：
%1

原始檔案未被修改。</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>將目前頁面匯出為 PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>匯出失敗</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>頁面繪製失敗，請再試一次。</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>匯出全文文字（閱讀順序）</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>註解彙整</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>目前文件尚無註解。</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>匯出註解彙整</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>匯出含註解的 PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>正在匯出含註解的 PDF…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>已匯出至：
%1

原始檔案未被修改。註解已嵌入副本，以 Adobe/WPS/瀏覽器開啟即可看到。
（副本為逐頁繪製的平面化 PDF：外觀一致，但文字無法再選取）</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>正在列印…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>已將 %1 頁傳送至印表機。</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>頁面繪製失敗，列印已中止。</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>無法啟動列印工作。</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>正在依閱讀順序匯出文字…
第 %1 / %2 頁</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>匯出平面化副本（圖片）</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>列印到 PDF 檔案</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>註解與縮放</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>連同我的註解</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>符合紙張</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>已匯出到：
%1

來源檔案未被修改。註解已作為標準 PDF 註解寫入副本，其他閱讀器也能看到；文字、連結和目錄都保留。</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>列印服務沒有接受這個工作：%1
沒有遺失任何內容；可以再試一次，或列印到檔案。</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>無法讀取來源檔案：%1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>無法寫入 %1：
%2

沒有留下不完整的檔案，來源檔案未被修改。</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>找不到列印服務（CUPS）。
要把文件列印成 PDF 檔案嗎？</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>簽名欄位（僅顯示）</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>此表單的指令碼不會執行：需由文件計算或格式化的欄位保留您輸入的內容。</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>簽名欄位僅供檢視，Dovrix 不簽署文件。</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>側邊欄</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>返回（檢視記錄）</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>前進（檢視記錄）</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>開啟 PDF（每份文件一個分頁）</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>列印（Ctrl+P）</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>匯出為新檔案（不修改原始檔案）</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>目前頁面存為圖片（PNG 300 DPI）…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>全文文字（TXT，依閱讀順序）…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>註解彙整（TXT）…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>含註解的 PDF（副本）…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>將目前的註解嵌入新的 PDF，可在 Adobe/WPS 中看到；原始檔案保持不變</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>註解模式（A）：螢光標示 / 底線 / 刪除線 / 便箋 / 矩形 / 箭頭</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>旋轉 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>暫時旋轉 90°（僅限本次檢視）</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>搜尋文件 · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>紙張</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>午夜</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>高對比</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>切換介面語言</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>開啟 Dovrix 首頁</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>開啟 PDF 開始閱讀。Dovrix 是唯讀檢視器，不會修改原始檔案。
支援同時開啟多份文件（分頁）。</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>開啟 PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>最近的檔案</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>清除最近記錄</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>原始檔案已被外部修改。重新載入即可顯示最新內容。</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix 快如閃電的閱讀器</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>符合寬度</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>切換單頁 / 連續捲動</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>開啟(&amp;O)…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>關閉文件</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>下一個分頁</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>列印(&amp;P)…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>私密模式</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>下一個搜尋結果</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>上一個搜尋結果</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>複製選取的文字</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>單頁模式</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>暫時旋轉 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>符合頁面</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>實際大小（100%）</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>註解模式</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>開啟 PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF 文件 (*.pdf);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>開啟失敗</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>檔案不存在或無法存取。</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● 註解與目前文件內容不一致，矩形錨定可能偏移</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>縮圖</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>正在開啟文件…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>密碼不正確，請再試一次</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>此文件已加密</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>請輸入開啟密碼（Dovrix 不支援破解或移除權限）：</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● 原始檔案已被外部修改</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● 唯讀：原始檔案雜湊值未變</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256：%1
Dovrix 不會修改原始檔案。</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● 私密模式：開</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>私密模式：關</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>私密模式：不寫入最近的檔案與縮圖快取</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— 第 %1 頁 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>（本頁為掃描影像，無文字層）</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>（本頁部分文字可能不可靠）</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>螢光標示（H）</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>底線（U）</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>刪除線（S）</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>便箋（N）</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>矩形（B）</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>箭頭（L）</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>跳至頁面…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>輸入頁碼或頁標籤後按 Enter 跳轉（Ctrl+G）</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>正在離線 OCR…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>正在離線 OCR：已完成 %1/%2 頁，預計還需約 %3 秒…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>（以下為 OCR 辨識文字）</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>全螢幕閱讀 · F11 或 Esc 離開</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>切換頁面顏色</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>雙頁顯示</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>首頁單獨顯示</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>雙頁</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>雙頁並排（D）</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>頁面顏色</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>頁面顏色（Ctrl+Alt+N）：夜間模式反轉明暗、保留色相</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>夜間</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>棕褐</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>跟隨主題</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>檔案名稱含有無法辨識的字元，程式無法讀取該檔案。請將檔案重新命名後再開啟。</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>平面化副本（圖片）…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG 含我的註解</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>文件屬性…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>重設表單</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>書籤</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>沒有可以開啟網頁的瀏覽器。Dovrix 首頁：%1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>辨識文字（OCR）</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>本頁</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>所有沒有文字的頁面</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>開啟文件後，這裡會顯示
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>縮放 %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR 已取消</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR 完成：%1 頁</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>第 %1 頁 OCR 失敗：%2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR 無法使用</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>正在尋找沒有文字的頁面…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>每一頁都有文字，無需辨識</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>本頁沒有文字層 · %1 辨識文字</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>第 %1 頁 OCR 完成：辨識出 %2 行文字</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>頁面繪製失敗</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR 引擎初始化失敗</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR 引擎無法使用</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR 初始化失敗：%1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>找不到偵測模型：%1（%2）</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>找不到辨識模型：%1（%2）</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>辨識模型缺少內嵌字典（character 中繼資料）。</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll 缺少 OrtGetApiBase 匯出函式。</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API 版本不符（需要 OrtApi v%1）。</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>無法載入 onnxruntime.dll，OCR 無法使用。已嘗試：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>暫時旋轉 %1°（僅限本次檢視）</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>沒有安裝語音合成引擎（例如 Qt 語音的 flite 外掛）。</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>語音合成引擎無法使用：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>找不到結果。若此文件是掃描影像（無文字層），可在 OCR 後搜尋與複製。</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>對此文件執行 OCR…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>輸入關鍵字開始搜尋（Ctrl+F）</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>「%1」沒有符合項目</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>正在搜尋「%1」…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>「%1」沒有符合項目。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR 文字)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(文字尚未載入)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>第 %1 頁%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>「%1」：共 %n 筆符合</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>正在搜尋「%1」… 已搜尋 %2 / %3 頁，目前符合 %n 筆</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>執行中的 Dovrix 視窗一次最多接收 %1 個檔案，未開啟任何檔案。</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix —— 純唯讀 PDF 檢視器：離線、零遙測、不修改來源檔案。</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>要開啟的 PDF 檔案。</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>文件開啟後自動對指定頁執行 OCR（除錯/CI）。</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>開啟到指定頁：從 1 開始的頁碼，或文件自己的頁面標籤（如 iv）。</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>開啟後搜尋此文字，並跳到第一處結果。</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX 正向搜尋：捲動到 TeX 原始檔該行排版的位置並閃爍標示。</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>用於開啟 PDF 的引擎：mupdf（預設）或 qtpdf（用於比較與問題回報）。</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>快</source>
        <translation>快</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>朗讀完畢</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>書籤、朗讀與 SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>書籤</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>新增書籤</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>重新命名書籤</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>刪除書籤</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>朗讀</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>從目前頁面朗讀</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>停止朗讀</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>語速</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>聲音</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>反向搜尋編輯器命令…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>未設定反向搜尋的編輯器命令（工具 → 反向搜尋編輯器命令…）</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>SyncTeX 資料中沒有 %1 第 %2 行的位置</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>此文件旁沒有 SyncTeX 檔案（.synctex.gz 或 .synctex）</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>SyncTeX 檔案已損毀，無法讀取</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>SyncTeX 檔案與此 PDF 不是同一次編譯產生的，請重新編譯</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>此處沒有對應的原始檔位置</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>無法啟動編輯器：%1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>已在編輯器中開啟 %1 第 %2 行</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>反向搜尋編輯器命令</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Ctrl+按一下頁面時執行的命令（%f 檔案，%l 行，%c 欄），例如：editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>第 %1 頁</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>已新增書籤「%1」</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>書籤名稱：</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>繼續朗讀</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>暫停朗讀</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>SyncTeX 檔解壓後超過 %1 MB，已拒絕讀取</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>SyncTeX 檔使讀取程式當機或耗盡記憶體，已拒絕該檔案</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>讀取 SyncTeX 檔逾時，已拒絕該檔案</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>SyncTeX 檔中的原始檔名含有換行或空字元，未交給編輯器</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>有無法對應的字元（可能缺少 ToUnicode 表）</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>字詞間距由幾何推斷，文字可能被拆散</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>頁首/頁尾區域</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>已複製 %1 個字元</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>原始大小</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>符合寬度</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>連續</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>單頁</translation>
    </message>
</context>
</TS>

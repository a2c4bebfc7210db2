<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Il file non esiste o non è accessibile.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Il file potrebbe essere danneggiato o non è un PDF valido.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Il documento è crittografato.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Questo metodo di crittografia PDF non è ancora supportato.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Si è verificato un problema durante l’apertura del documento.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Impossibile eseguire il rendering della pagina %1; esportazione interrotta.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Impossibile creare il file di output: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Ancorata al testo, riposizionabile dopo la reimpaginazione</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Ancorata a un rettangolo: può spostarsi dopo la reimpaginazione</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Evidenziazione</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Sottolineatura</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Elimina annotazione</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Testo della nota (facoltativo, anche per gli altri tipi)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Eliminare questa annotazione?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Modalità annotazione attiva: trascina sul testo o disegna un riquadro per annotare; fai clic su un’annotazione per modificarla</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Annotazioni salvate</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Le annotazioni sono salvate in un file sidecar locale (.dovrixmark)
e non sono visibili aprendo il file di origine con Adobe o altri lettori.

Dovrix non modifica mai il PDF di origine.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Le annotazioni sono salvate solo nel file locale .dovrixmark e non sono visibili aprendo il file di origine con Adobe o altri lettori.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · pagina %2 · colore %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Nessuna annotazione. Attiva la modalità annotazione e trascina sul testo per crearne una.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Le mie annotazioni</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Nel documento (%1, sola lettura)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Copia nelle mie note</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Le annotazioni di questo tipo non si possono copiare nelle mie note.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Questa annotazione non è stata letta per intero. Resta invariata nel file di annotazioni e non può essere modificata.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>annotazione illeggibile</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>File troppo grande</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Il file delle annotazioni esiste ma non può essere letto: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>La cartella non è scrivibile. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Il percorso di esportazione coincide con il file di origine. Operazione interrotta: il file di origine non viene mai scritto.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Il percorso di esportazione coincide con il file delle annotazioni; operazione interrotta.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Riepilogo annotazioni di Dovrix (totale: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Pagina %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>ancorata al testo </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(posizione p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Nota: le annotazioni sono salvate solo in un file sidecar locale e non sono visibili aprendo il file di origine con Adobe o altri lettori.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Il file delle annotazioni è il file sorgente stesso e non viene scritto. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Al posto del file delle annotazioni c&apos;è una cartella. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Impossibile fare una copia del file delle annotazioni illeggibile: il salvataggio è stato fermato per non sovrascriverlo. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Salvataggio delle annotazioni non riuscito: %1. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Il nome del file contiene caratteri non riconoscibili, quindi accanto a esso non si può salvare un file di annotazioni. Le annotazioni restano solo in memoria: esportale prima di chiudere.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Questo file di annotazioni è stato scritto da una versione più recente di Dovrix. È aperto in sola lettura: le modifiche non vengono salvate.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Ancora nessun segnalibro. Premi Ctrl+D per segnare la posizione attuale.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Questo documento non ha un sommario incorporato (capitoli/segnalibri).
La posizione di lettura viene comunque ricordata automaticamente.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Casella di testo</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Sottolineatura ondulata</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellisse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Disegno a mano</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Poligono</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polilinea</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Timbro</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Segno di inserimento</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>File allegato</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>L&apos;apertura del file ha richiesto troppo tempo.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 byte)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Misto (%1 formati)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Salva una copia…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Proprietà del documento — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Tutte le pagine</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Incorporato</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Gli allegati vengono solo salvati come copie; Dovrix non li apre né li esegue mai.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Creato con</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Produttore PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Versione PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Formato pagina</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>stampa</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>copia del testo</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>modifica</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>annotazione</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>compilazione moduli</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Permessi dichiarati</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Consentito: %1
Non consentito: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Con tag</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Il documento contiene JavaScript; Dovrix non lo esegue.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Allegati (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Salva una copia dell&apos;allegato</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>L&apos;allegato è danneggiato e non si può leggere.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Copia salvata:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Impossibile salvare l&apos;allegato: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Nuovo documento</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Esportazione completata</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Esportato in:
%1

Il file di origine non è stato modificato.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Esporta pagina corrente come PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Rendering della pagina non riuscito. Riprova.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Esporta tutto il testo (ordine di lettura)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Riepilogo annotazioni</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Il documento corrente non ha annotazioni.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Esporta riepilogo annotazioni</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Esporta PDF con annotazioni</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Esportazione del PDF con annotazioni…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Esportato in:
%1

Il file di origine non è stato modificato. Le annotazioni sono incorporate nella copia e visibili in Adobe/WPS/browser.
(La copia è un PDF appiattito, renderizzato pagina per pagina: aspetto identico, ma il testo non è più selezionabile)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Stampa in corso…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Pagine inviate alla stampante: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Rendering di una pagina non riuscito; stampa interrotta.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Impossibile avviare il lavoro di stampa.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Esportazione del testo in ordine di lettura…
Pagina %1 di %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Esporta una copia appiattita (immagini)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Stampa su file PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Annotazioni e scala</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Con le annotazioni</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Adatta alla carta</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Esportato in:
%1

Il file di origine non è stato modificato. Le annotazioni sono nella copia come annotazioni PDF standard, visibili anche in altri lettori; testo, collegamenti e sommario sono conservati.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Il servizio di stampa non ha accettato il lavoro: %1
Non è andato perso nulla; riprova o stampa su file.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Impossibile leggere il file di origine: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Impossibile scrivere %1:
%2

Non è rimasto alcun file incompleto; il file di origine non è stato modificato.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Nessun servizio di stampa (CUPS) trovato.
Stampare invece il documento su un file PDF?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Campo firma (solo visualizzato)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Gli script di questo modulo non vengono eseguiti: i campi che il documento calcolerebbe o formatterebbe mantengono ciò che hai digitato.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>I campi firma sono solo visualizzati; Dovrix non firma i documenti.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Barra laterale</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Indietro (cronologia vista)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Avanti (cronologia vista)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Apri PDF (una scheda per documento)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Stampa (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Esporta in un nuovo file (il file di origine non viene modificato)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Pagina corrente come immagine (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Testo completo (TXT, ordine di lettura)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Riepilogo annotazioni (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF con annotazioni (copia)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Incorpora le annotazioni correnti in un nuovo PDF, visibile in Adobe/WPS; il file di origine resta invariato</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annotazioni</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Modalità annotazione (A): evidenziazione / sottolineatura / barrato / nota / rettangolo / freccia</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Ruota di 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Ruota temporaneamente di 90° (solo in questa visualizzazione)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Cerca nel documento · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Mezzanotte</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Contrasto elevato</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Cambia lingua dell’interfaccia</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Apri il sito web di Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Apri un PDF per iniziare a leggere. Dovrix è un visualizzatore di sola lettura e non modifica il file di origine.
Puoi aprire più documenti contemporaneamente (in schede).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Apri PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Cancella recenti</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Il file di origine è stato modificato esternamente. Ricarica per visualizzare il contenuto aggiornato.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — un lettore veloce come un fulmine</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Riduci zoom</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Aumenta zoom</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Alterna pagina singola / scorrimento continuo</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Chiudi documento</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Scheda successiva</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Modalità privata</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Risultato di ricerca successivo</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Risultato di ricerca precedente</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Copia testo selezionato</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Modalità pagina singola</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Ruota temporaneamente di 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Dimensioni reali (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Modalità annotazione</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Apri PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Documenti PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Apertura non riuscita</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Il file non esiste o non è accessibile.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Le annotazioni non corrispondono al contenuto attuale del documento; quelle ancorate a rettangoli possono spostarsi</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Apertura del documento…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Password errata, riprova</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Il documento è crittografato</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Inserisci la password di apertura (Dovrix non forza né rimuove le protezioni):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● File di origine modificato esternamente</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Sola lettura: hash del file di origine invariato</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix non modifica il file di origine.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Modalità privata: attiva</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Modalità privata: disattivata</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Modalità privata: non registra file recenti né cache delle miniature</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Pagina %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Questa pagina è un’immagine scansionata, senza livello di testo)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Parte del testo di questa pagina potrebbe non essere affidabile)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Evidenziazione (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Sottolineatura (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Barrato (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Nota (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rettangolo (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Freccia (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Vai alla pagina…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Digita un numero o un&apos;etichetta di pagina e premi Invio (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>OCR offline in corso…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>OCR offline in corso: %1/%2 pagine fatte, circa %3 s rimanenti…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Segue testo riconosciuto con OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Schermo intero · F11 o Esc per uscire</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Cambia i colori della pagina</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Vista a due pagine</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Prima pagina da sola</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Due pagine</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Due pagine affiancate (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Colori pagina</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Colori pagina (Ctrl+Alt+N): la notte inverte chiaro e scuro e mantiene le tinte</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Segui il tema</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Il nome del file contiene caratteri non riconoscibili, quindi il programma non può leggere il file. Rinomina il file e aprilo di nuovo.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Copia appiattita (immagini)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG con le mie annotazioni</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Proprietà del documento…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Reimposta modulo</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Nessun browser ha potuto aprire la pagina. Sito di Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Riconosci testo (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Questa pagina</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Tutte le pagine senza testo</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Dopo aver aperto un documento, qui compaiono
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
        <translation>OCR annullato</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR completato, pagine: %1</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR della pagina %1 non riuscito: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR non disponibile</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Ricerca delle pagine senza testo…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Ogni pagina contiene testo; niente da riconoscere</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Questa pagina non ha un livello di testo · %1 ne riconosce il testo</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR della pagina %1 completato: righe di testo riconosciute: %2</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Rendering della pagina non riuscito</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Inizializzazione del motore OCR non riuscita</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Motore OCR non disponibile</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Inizializzazione OCR non riuscita: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Modello di rilevamento non trovato: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Modello di riconoscimento non trovato: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Il modello di riconoscimento non contiene il dizionario incorporato (metadato character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll non esporta OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Versione dell’API di onnxruntime non compatibile (serve OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Impossibile caricare onnxruntime.dll; OCR non disponibile. Percorsi provati: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Ruotato temporaneamente di %1° (solo in questa visualizzazione)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Nessun sintetizzatore vocale installato (per esempio il plugin flite di Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Il sintetizzatore vocale non è utilizzabile: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Nessun risultato. Se il documento è un’immagine scansionata (senza livello di testo), puoi cercare e copiare dopo l’OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Esegui OCR su questo documento…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Digita una parola chiave per cercare (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>«%1»: nessun risultato</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Ricerca di «%1»…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>«%1»: nessun risultato.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(testo OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(testo non ancora caricato)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Pagina %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>«%1»: %n risultato</numerusform>
            <numerusform>«%1»: %n risultati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Ricerca di «%1»… %2 pagine su %3 esaminate, %n risultato finora</numerusform>
            <numerusform>Ricerca di «%1»… %2 pagine su %3 esaminate, %n risultati finora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>La finestra di Dovrix in esecuzione accetta al massimo %1 file alla volta; nessun file è stato aperto.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — visualizzatore PDF di sola lettura: offline, senza telemetria, non modifica mai il file originale.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Il file PDF da aprire.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Riconosci il testo di questa pagina appena il documento è aperto (per debug ed esecuzioni automatiche).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Apri a questa pagina: un numero contato da 1 o l’etichetta di pagina del documento (ad esempio iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Cerca questo testo all’apertura e vai alla prima occorrenza.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Ricerca diretta SyncTeX: scorri fino al punto in cui è stata composta questa riga del sorgente TeX e segnalala brevemente.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Il motore che apre i file PDF: mupdf (predefinito) o qtpdf (per confronti e segnalazioni di errori).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Lettura ad alta voce terminata</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Segnalibri, lettura ad alta voce e SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Aggiungi segnalibro</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Rinomina segnalibro</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Elimina segnalibro</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Lettura ad alta voce</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Leggi ad alta voce da questa pagina</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Interrompi la lettura</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Comando dell’editor per la ricerca inversa…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Nessun comando dell’editor impostato per la ricerca inversa (Strumenti → Comando dell’editor per la ricerca inversa…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>I dati SyncTeX non hanno una posizione per la riga %2 di %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Non c’è alcun file SyncTeX accanto a questo documento (.synctex.gz o .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Il file SyncTeX è danneggiato e non può essere letto</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Il file SyncTeX proviene da un’altra compilazione di questo PDF; ricompila</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Nessuna posizione del sorgente corrisponde a questo punto</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Impossibile avviare l’editor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 aperto alla riga %2 nell’editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Comando dell’editor per la ricerca inversa</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Comando eseguito con Ctrl+clic su una pagina (%f file, %l riga, %c colonna), per esempio: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Segnalibro «%1» aggiunto</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nome del segnalibro:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Riprendi la lettura</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Metti in pausa la lettura</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Il file SyncTeX decompresso supera %1 MB; è stato rifiutato senza leggerlo</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Il file SyncTeX ha fatto arrestare il lettore o ne ha esaurito la memoria; è stato rifiutato</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>La lettura del file SyncTeX ha richiesto troppo tempo; è stato rifiutato</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Il nome del file sorgente nel file SyncTeX contiene un a capo o un carattere NUL; non è stato passato all&apos;editor</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Sono presenti caratteri non mappabili (forse manca la tabella ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Spaziatura tra le parole dedotta dalla geometria; il testo potrebbe risultare frammentato</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Area di intestazione/piè di pagina</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Caratteri copiati: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Pagina singola</translation>
    </message>
</context>
</TS>
